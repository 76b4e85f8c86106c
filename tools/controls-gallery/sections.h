#pragma once

class Gallery;

// One function per part of the skin; main.cpp calls them in order.
void AddPictureSheet(Gallery& gallery);
void AddOutlinedTexts(Gallery& gallery);
void AddButtons(Gallery& gallery);
void AddSlidersAndPanes(Gallery& gallery);
void AddInstruments(Gallery& gallery);

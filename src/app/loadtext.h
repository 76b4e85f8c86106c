#pragma once

#include <QString>

// Every text the program shows, by string id. The tables are compiled from resources/translations/ into
// the program's resources; nothing is cached above them, so a text loaded after SetLanguageIndex comes in
// the new language.

// The text in the current language of AppSettings::Current(), the English text where that language has
// none or an empty one, and "" for an id that no table has.
QString LoadText(int id);
// The same for a language identifier (sub × 1024 + primary), found by LanguageTable::FindStringTable.
QString LoadText(int id, int languageId);
// For the few texts shown in the desktop's own language rather than the chosen one (the window menu entry
// and the messages before or outside the player's own language): the row of localeName when it is one of
// the sixteen, English otherwise. Without a name, the desktop's first user-interface language.
QString LoadSystemText(int id);
QString LoadSystemText(int id, const QString& localeName);
// The text of one compiled table as it stands, without fall-back; a null QString when the table has no such
// id or no table has that identifier.
QString StringTableText(int tableId, int id);

// MP4 reader tests live with the MP4 fixture writer (real H.264 remuxed with a data stream).

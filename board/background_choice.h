#pragma once
// Stepping through the table backgrounds and deciding what the table shows: background pictures
// 1 to count, then the plain mat colour at count + 1, wrapping round both ways.

// Key codes that step forward: the menu's "next background" (32) and the Down arrow (40); any
// other steps back.
int NextBackgroundIndex(int index, int count, int keyCode);

// A background index names a picture only from 1 to the count; anything else (0, the mat
// colour's count + 1, a stale index) shows the plain mat colour.
bool BackgroundIsPicture(int index, int count);

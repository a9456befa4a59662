#pragma once
// What a criss-cross hands to its outputs, without any window.

#include "crisscross/core/krs_document.h"
#include "document/core/picture_drawing.h"

// Hands the grid to the picture window: every cell's text, hidden cells
// marked blocked, the size.
void fillCrissCrossPicture(PictureGrid& picture, const KrsDocument& document);

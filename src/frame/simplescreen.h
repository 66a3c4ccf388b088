// Shared construction of a screen with one full-size panel, its background picture and an exit
// button: the part of the frame every secondary screen starts from.
#pragma once

#include "frame/focusimage.h"
#include "frame/navigation.h"
#include "frame/screenform.h"

struct SimpleScreenParts
{
    Panel *panel;
    PictureBox *background;
};

// Creates the panel (centred by the form) and its full-size background picture.
SimpleScreenParts makeScreenPanel(ScreenForm *form, const QRect &designBounds);

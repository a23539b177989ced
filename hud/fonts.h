// fonts.h: the font set built at start-up and the shared counter text buffer.
#pragma once

class FTFont;

// Slots of the font set, one per rendering style.
enum FontSlot {
    BitmapFontSlot,
    PixmapFontSlot,
    OutlineFontSlot,
    PolygonFontSlot,
    ExtrudedFontSlot,
    TextureFontSlot,
    FontSlotCount
};

constexpr unsigned FontFaceSize = 144;  // points, in every slot
constexpr unsigned FontResolution = 72; // dots per inch
constexpr float FontDepth = 5.0f;       // extrusion depth, font units
constexpr unsigned InfoFaceSize = 50;   // points, InfoFont
constexpr int NumberTextSize = 128;     // bytes of NumberText

// --- Process lifetime: made by createFonts, never deleted ---
extern FTFont *Fonts[FontSlotCount];    // the six styles in slot order
extern int CurrentFont;                 // the slot every text is drawn with (the polygon font)
extern FTFont *InfoFont;                // a further pixmap font, made and tested, not drawn with
extern char NumberText[NumberTextSize]; // the digit routines' result; valid until the next call

// Basic types and named constants of the form runtime: colours, scale modes, pointer shapes,
// mouse buttons, unload reasons, border styles and alignments.
#pragma once

#include <cstdint>

namespace qby {

// A 24-bit colour in blue-green-red order (&HFF is red, &HFFFF yellow, &HFF0000 blue), or a
// system colour &H800000nn that names an entry of the desktop palette.
using OLE_COLOR = std::uint32_t;

inline constexpr OLE_COLOR RGB(int red, int green, int blue)
{
    return static_cast<OLE_COLOR>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline constexpr OLE_COLOR vbBlack = 0x000000;
inline constexpr OLE_COLOR vbWhite = 0xFFFFFF;
inline constexpr OLE_COLOR vbRed = 0x0000FF;
inline constexpr OLE_COLOR vbGreen = 0x00FF00;
inline constexpr OLE_COLOR vbBlue = 0xFF0000;
inline constexpr OLE_COLOR vbYellow = 0x00FFFF;

// System colours.
inline constexpr OLE_COLOR vbScrollBars = 0x80000000;
inline constexpr OLE_COLOR vbDesktop = 0x80000001;
inline constexpr OLE_COLOR vbActiveTitleBar = 0x80000002;
inline constexpr OLE_COLOR vbInactiveTitleBar = 0x80000003;
inline constexpr OLE_COLOR vbMenuBar = 0x80000004;
inline constexpr OLE_COLOR vbWindowBackground = 0x80000005;
inline constexpr OLE_COLOR vbWindowFrame = 0x80000006;
inline constexpr OLE_COLOR vbMenuText = 0x80000007;
inline constexpr OLE_COLOR vbWindowText = 0x80000008;
inline constexpr OLE_COLOR vbTitleBarText = 0x80000009;
inline constexpr OLE_COLOR vbActiveBorder = 0x8000000A;
inline constexpr OLE_COLOR vbInactiveBorder = 0x8000000B;
inline constexpr OLE_COLOR vbApplicationWorkspace = 0x8000000C;
inline constexpr OLE_COLOR vbHighlight = 0x8000000D;
inline constexpr OLE_COLOR vbHighlightText = 0x8000000E;
inline constexpr OLE_COLOR vbButtonFace = 0x8000000F;
inline constexpr OLE_COLOR vbButtonShadow = 0x80000010;
inline constexpr OLE_COLOR vbGrayText = 0x80000011;
inline constexpr OLE_COLOR vbButtonText = 0x80000012;
inline constexpr OLE_COLOR vbInactiveCaptionText = 0x80000013;
inline constexpr OLE_COLOR vb3DHighlight = 0x80000014;
inline constexpr OLE_COLOR vb3DDKShadow = 0x80000015;
inline constexpr OLE_COLOR vb3DLight = 0x80000016;
inline constexpr OLE_COLOR vbInfoText = 0x80000017;
inline constexpr OLE_COLOR vbInfoBackground = 0x80000018;

// The colour as 0xRRGGBB, with system colours resolved through the desktop palette.
std::uint32_t ColorToRgb(OLE_COLOR color);

// Show styles.
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// Scale modes (units of a form's, picture box's or user control's inner coordinates).
inline constexpr int vbUser = 0;
inline constexpr int vbTwips = 1;
inline constexpr int vbPoints = 2;
inline constexpr int vbPixels = 3;
inline constexpr int vbCharacters = 4;
inline constexpr int vbInches = 5;
inline constexpr int vbMillimeters = 6;
inline constexpr int vbCentimeters = 7;
inline constexpr int vbHimetric = 8;  // 0.01 mm (sizes of pictures)

// Pointer shapes (MousePointer).
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbCrosshair = 2;
inline constexpr int vbIbeam = 3;
inline constexpr int vbSizeAll = 5;
inline constexpr int vbSizeNESW = 6;
inline constexpr int vbSizeNS = 7;
inline constexpr int vbSizeNWSE = 8;
inline constexpr int vbSizeWE = 9;
inline constexpr int vbUpArrow = 10;
inline constexpr int vbHourglass = 11;
inline constexpr int vbNoDrop = 12;
inline constexpr int vbArrowHourglass = 13;
inline constexpr int vbArrowQuestion = 14;
inline constexpr int vbCustom = 99;

// Mouse buttons and modifier bits of mouse and key events.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Why a form is being unloaded (the UnloadMode of Form_QueryUnload).
inline constexpr int vbFormControlMenu = 0;  // the window's close box
inline constexpr int vbFormCode = 1;         // Unload called by code
inline constexpr int vbAppWindows = 2;       // the desktop session ends
inline constexpr int vbAppTaskManager = 3;
inline constexpr int vbFormMDIForm = 4;      // a child closes because its main frame closes
inline constexpr int vbFormOwner = 5;

// Form border styles.
inline constexpr int vbBSNone = 0;
inline constexpr int vbFixedSingle = 1;
inline constexpr int vbSizable = 2;
inline constexpr int vbFixedDialog = 3;
inline constexpr int vbFixedToolWindow = 4;
inline constexpr int vbSizableToolWindow = 5;

// Window states.
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// Start-up positions.
inline constexpr int vbStartUpManual = 0;
inline constexpr int vbStartUpOwner = 1;
inline constexpr int vbStartUpScreen = 2;
inline constexpr int vbStartUpWindowsDefault = 3;

// Text alignment of labels.
inline constexpr int vbLeftJustify = 0;
inline constexpr int vbRightJustify = 1;
inline constexpr int vbCenter = 2;

// BackStyle of labels and shapes.
inline constexpr int vbTransparent = 0;
inline constexpr int vbOpaque = 1;

// Shape kinds.
inline constexpr int vbShapeRectangle = 0;
inline constexpr int vbShapeSquare = 1;
inline constexpr int vbShapeOval = 2;
inline constexpr int vbShapeCircle = 3;
inline constexpr int vbShapeRoundedRectangle = 4;
inline constexpr int vbShapeRoundedSquare = 5;

// Fill styles of shapes (only solid and transparent are drawn).
inline constexpr int vbFSSolid = 0;
inline constexpr int vbFSTransparent = 1;

// Appearance of picture boxes and user controls.
inline constexpr int vbAppearanceFlat = 0;
inline constexpr int vbAppearance3D = 1;

}  // namespace qby

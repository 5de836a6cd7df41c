// The main window's background picture, drawn by the program: a title area, the faces of the large
// toolbar buttons with their labels, the two small frame buttons and the frame around the pages.
// The buttons themselves are transparent hot areas laid over these faces.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <vector>

struct ToolbarFace {
    QRect rect;
    QString glyph;  // the large character drawn as the icon
    QString label;  // the caption under it
};

inline constexpr int kWindowWidth = 799;
inline constexpr int kWindowHeight = 590;

// The ten large buttons, left to right, in the order RzToolButton2, 1, 3, 4, 5, 6, 7, 8, 9, 10.
std::vector<ToolbarFace> toolbarFaces();
QRect minimiseButtonRect();
QRect closeButtonRect();
QRect pagePanelRect();  // 790 × 456 at (5, 106)

QPixmap paintMainBackground();

// Helpers the geometry editor's source files share: the editor's own texts, button captions
// with their access keys, and picture millimetres placed on the picture widget.
#pragma once

#include "platform/PictureBox.h"

#include <QPointF>
#include <QString>

namespace kelvra::insgeo01 {

// A line of the editor's texts.
QString Testo01(int riga);

// A button caption with its access key: the letter its text marks with "&", or else its
// first letter.
QString ConTastoAccesso(const QString& testo);

// Picture millimetres to pixels of the picture widget (its border included).
QPointF PixelPicture(const PictureBox& picture, double x, double y);

} // namespace kelvra::insgeo01

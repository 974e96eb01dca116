// What the linkage drawing needs of the window that owns the picture: the geometry
// editor implements it; the start screen's thumbnails pass no window at all (a null
// pointer), and then the drawers only draw.
#pragma once

#include "core/Superficie.h"

#include <string>

namespace kelvra {

class EditorDisegno {
  public:
    virtual ~EditorDisegno() = default;

    // The editor's own drawing, where the reference lines through the display origin go,
    // whatever picture the linkage is being drawn into.
    virtual Superficie& PicGeo() = 0;

    // Writes the displayed coordinates of swingarm point i (0 pivot, 1 axle,
    // 2 attachment) into the boxes TxtForcelloneX(i) and TxtForcelloneY(i).
    virtual void ImpostaTxtForcellone(int i, const std::string& x, const std::string& y) = 0;

    // The value of check box ChkModify(indice) (0 link panel, 1 rocker panel), 1 ticked,
    // and setting it. A window without the boxes keeps the defaults.
    virtual int ChkModify(int /*indice*/) const { return 0; }
    virtual void ImpostaChkModify(int /*indice*/, int /*valore*/) {}
};

} // namespace kelvra

#pragma once

#include <QFont>
#include <QStringList>

namespace drippo::ui {

// The dialogs are designed for Arial, which few of our machines have; its
// stand-ins are wider, and a title or a line broken by hand would then be cut
// or broken again. Text shrinks from its design size until it fits.

// Arial, or the closest in width of the stand-ins we may find.
QFont arial_font();

// The largest pixel size from px down to min_px at which every line of every
// text is at most width pixels wide in the font; min_px when none is.
int fitting_pixel_size(QFont font, int px, int min_px, const QStringList& texts, double width);

}  // namespace drippo::ui

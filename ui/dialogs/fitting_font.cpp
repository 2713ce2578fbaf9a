#include "ui/dialogs/fitting_font.h"

#include <QFontMetricsF>

namespace drippo::ui {

QFont arial_font() {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("DejaVu Sans Condensed")});
  return font;
}

int fitting_pixel_size(QFont font, int px, int min_px, const QStringList& texts, double width) {
  for (; px > min_px; --px) {
    font.setPixelSize(px);
    const QFontMetricsF metrics(font);
    bool fits = true;
    for (const QString& text : texts) {
      for (const QString& line : text.split(u'\n')) fits = fits && metrics.horizontalAdvance(line) <= width;
    }
    if (fits) return px;
  }
  return min_px;
}

}  // namespace drippo::ui

// Writes preview sheets of the artwork: pieces.png (every piece in each of
// its distinct water states) and pictures.png (every other picture).
//   drippo-art-preview OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/art/art_book.h"
#include "ui/art/picture_code.h"

using drippo::ui::Art;
using drippo::ui::ArtBook;

namespace {

const char* const kPieceNames[] = {
    "empty",         "flat platform",   "diagonal right", "diagonal left", "right curve",
    "left curve",    "junction",        "teleporter",     "bomb",          "right junction",
    "left junction", "horizontal pipe", "cross pipe",     "mill",          "electric door",
    "sponge",        "fish bowl",       "flower pot",     "glass",         "cat",
    "brick"};

const char* const kArtNames[] = {
    "Welcome",   "WelcomeLeft",  "WelcomeRight",   "Envelope",     "Plumber",   "Explosion",
    "Flag",      "NewLevel",     "Options",        "Help",         "Save",      "LoadForEdit",
    "SidePanel", "PaletteStrip", "BrowserWorkman", "BrowserPanel", "CheckMark", "Cross"};

// The distinct pictures a piece shows, in order of water state.
std::vector<int> distinct_pictures(int piece) {
  std::vector<int> shown;
  const int states = piece == drippo::piece::porte ? 2 * drippo::ui::water::powered : drippo::ui::water::powered;
  for (int w = 0; w < states; ++w) {
    const int code = drippo::ui::shared_picture(drippo::ui::picture_code(piece, w));
    bool seen = false;
    for (int c : shown) seen = seen || c == code;
    if (!seen) shown.push_back(code);
  }
  return shown;
}

// A small board in the game's size, to judge how pieces sit together.
const int kSample[5][12] = {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 400},
                            {0, 20, 0, 0, 7, 0, 0, 0, 0, 0, 0, 101},
                            {0, 20, 102, 0, 0, 0, 11, 12, 0, 0, 403, 0},
                            {0, 20, 0, 204, 0, 113, 414, 914, 0, 106, 0, 0},
                            {19, 20, 16, 17, 118, 15, 8, 9, 10, 0, 5, 0}};

QImage pieces_sheet(ArtBook& book) {
  const int cell_w = 66, cell_h = 72, pitch_x = 84, pitch_y = 96, name_w = 130;
  const int board_top = (drippo::nb_types + 1) * pitch_y + 30;
  QImage sheet(name_w + 12 * pitch_x + 12 * 33, board_top + 5 * 72 + 20, QImage::Format_ARGB32);
  sheet.fill(QColor("#fafafa"));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("DejaVu Sans", 9);
  p.setFont(font);
  for (int piece = 0; piece <= drippo::nb_types; ++piece) {
    const int y = 10 + piece * pitch_y;
    p.setPen(Qt::black);
    p.drawText(QRect(6, y, name_w - 10, cell_h), Qt::AlignVCenter | Qt::TextWordWrap,
               QStringLiteral("%1 %2").arg(piece).arg(kPieceNames[piece]));
    int x = name_w;
    for (int code : distinct_pictures(piece)) {
      p.drawPixmap(x, y, book.piece(code, QSize(cell_w, cell_h), 1.0));
      p.setPen(QColor("#333333"));
      p.drawText(QRect(x - 8, y + cell_h + 1, cell_w + 16, 16), Qt::AlignHCenter,
                 QString::number(code));
      x += pitch_x;
    }
  }
  p.drawText(QRect(6, board_top - 22, 600, 18), Qt::AlignLeft,
             QStringLiteral("At the game's size (33 x 36) and at 200 %:"));
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 12; ++col) {
      const int code = kSample[row][col];
      book.paint_piece(p, QRectF(6 + col * 33, board_top + row * 36, 33, 36), code);
      book.paint_piece(p, QRectF(420 + col * 66, board_top + row * 72, 66, 72), code);
    }
  return sheet;
}

QImage pictures_sheet(ArtBook& book) {
  QImage sheet(1500, 1320, QImage::Format_ARGB32);
  sheet.fill(QColor("#ffffff"));
  QPainter p(&sheet);
  p.setFont(QFont("DejaVu Sans", 9));
  int x = 10, y = 10, row_h = 0;
  for (int k = 0; k < drippo::ui::art_count; ++k) {
    const Art art = static_cast<Art>(k);
    const QSize twips = drippo::ui::design_size_twips(art);
    const QSize size(twips.width() / 15, twips.height() / 15);
    if (x + size.width() > sheet.width() - 10) {
      x = 10;
      y += row_h + 24;
      row_h = 0;
    }
    p.fillRect(QRect(QPoint(x, y), size), QColor("#eeeeee"));
    p.drawPixmap(x, y, book.picture(art, size, 1.0));
    p.setPen(Qt::black);
    p.drawText(QRect(x, y + size.height() + 2, size.width() + 60, 18), Qt::AlignLeft, kArtNames[k]);
    x += size.width() + 16;
    row_h = std::max(row_h, size.height());
  }
  p.end();
  return sheet.copy(0, 0, sheet.width(), y + row_h + 30);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: art_preview OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  ArtBook book;
  const bool ok = pieces_sheet(book).save(out.filePath("pieces.png")) &&
                  pictures_sheet(book).save(out.filePath("pictures.png"));
  if (!ok) std::fprintf(stderr, "art_preview: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}

#pragma once

#include <QHash>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <map>

class QPainter;

namespace drippo::ui {

// The game's pictures other than the pieces.
enum class Art {
  Welcome,         // Image3: the big welcome picture over the board
  WelcomeLeft,     // Image4: left of the welcome text
  WelcomeRight,    // Image5: right of the welcome text
  Envelope,        // image_enveloppe: opens the About page
  Plumber,         // command5: the game's character, restarts the level
  Explosion,       // expl: a bomb going off, three cells across
  Flag,            // Command1: the green flag, play a level
  NewLevel,        // Command2: begin a new level in the editor
  Options,         // Command7
  Help,            // Command8
  Save,            // Command3: save the level being edited
  LoadForEdit,     // Command4: load a level into the editor
  SidePanel,       // Image1: background of the side panel
  PaletteStrip,    // Image2: background of the palette strip
  BrowserWorkman,  // Form3 Image1: a workman on a ladder over a blue panel
  BrowserPanel,    // Form3 Image2: a blue panel framed in red and yellow
  CheckMark,       // Form3 Command1: load
  Cross,           // Form3 Command2: close
  Hint,            // a bulb: one step towards a win
  CheckLevel,      // a magnifier: can the level being edited be won
};
inline constexpr int art_count = static_cast<int>(Art::CheckLevel) + 1;

// The size a picture was designed for, in twips (15 twips to a pixel at 100 %).
QSize design_size_twips(Art art);

// Which water state's picture a piece shows for water code w (0..7, or 8..15
// for a powered door): states that share art give the same state.
int shared_water_state(int piece, int w);

// The picture index whose art code_image shows: itself, or the picture it is
// a copy of (possibly another piece's, as 209 shows 204).
int shared_picture(int code_image);

// Every picture of the game, drawn crisp at any size and pixel ratio, and
// cached per size.
class ArtBook {
 public:
  ArtBook();

  // Picture objet(code_image): piece code_image % 100 in water state
  // code_image / 100.
  void paint_piece(QPainter& painter, const QRectF& rect, int code_image) const;
  // The pixmaps are shared by every state with the same art; copy one (cheap)
  // to keep it past the next call.
  const QPixmap& piece(int code_image, QSize size, qreal device_pixel_ratio);

  void paint(QPainter& painter, const QRectF& rect, Art art) const;
  const QPixmap& picture(Art art, QSize size, qreal device_pixel_ratio);

 private:
  // A node-based map, so a returned reference survives later insertions.
  std::map<QString, QPixmap> cache_;
};

}  // namespace drippo::ui

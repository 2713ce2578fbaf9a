#pragma once

#include <array>
#include <cstdint>

#include <QDialog>

#include "game/pieces.h"
#include "ui/art/art_book.h"
#include "ui/dialogs/help_texts.h"

class QLabel;
class QTextEdit;

namespace drippo::ui {

class PiecePicture;

// The help window: four tabs (Rules, Objects, Editor, About), each a page of
// text in the player's language; on the Objects page a click on a piece
// shows its description, and the piece under the mouse is framed.
class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  struct Host {
    std::int16_t langue;  // 0 French; any other value English
    bool aide_apropos;    // open on the About page (the envelope) rather than the Rules
    ArtBook& art;
    double zoom;  // the main window's, so both look alike
  };

  static constexpr int page_count = 4;

  explicit HelpWindow(Host host, QWidget* parent = nullptr);

  int shown_page() const { return shown_page_; }
  HelpLanguage language() const { return language_; }

  // The tab captions' and pages' objectNames are Label1_k and Picture1_k;
  // text boxes are text_fr_i and text_uk_i; piece pictures Image4_t.
  void select_tab(int page);

 protected:
  // The arrows turn the pages and scroll a long one; Enter closes.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void show_description(int piece);
  void clear_frames();

  Host host_;
  HelpLanguage language_;
  int shown_page_ = 0;
  std::array<QLabel*, page_count> tabs_{};
  std::array<QWidget*, page_count> pages_{};
  std::array<PiecePicture*, nb_types + 1> pieces_{};  // by piece code; 0 unused
  QTextEdit* description_ = nullptr;
};

}  // namespace drippo::ui

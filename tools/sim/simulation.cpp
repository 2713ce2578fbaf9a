#include "sim/simulation.h"

#include <ostream>
#include <string>
#include <vector>

#include "game/control_text.h"
#include "game/game.h"
#include "game/null_ports.h"
#include "sim/trace_json.h"
#include "storage/level_procedures.h"

namespace drippo::sim {
namespace {

// A window that is not there: it only remembers the sounds asked for.
class HeadlessView : public SilentView {
 public:
  std::vector<std::string> sounds;
  void play_sound(Sound s) override { sounds.emplace_back(sound_name(s)); }
};

}  // namespace

int run_simulation(const Options& o, std::ostream& out, std::ostream& err) {
  HeadlessView view;
  NoScores scores;
  NoLevels levels;
  Game game(view, scores, levels);
  game.settings().langue = static_cast<std::int16_t>(o.lang);
  game.settings().difficulte = static_cast<std::int16_t>(o.difficulty);
  game.settings().bruitages = true;
  game.set_mode_jeu(o.edit ? ModeJeu::Charger : ModeJeu::Jouer);

  if (auto error = load_level_path(game, o.level_path)) {
    err << "drippo-sim: " << escape_controls(error->message(static_cast<std::int16_t>(o.lang))) << "\n";
    return 2;
  }

  for (const Placement& p : o.placements) {
    const auto why = game.placing().refusal(p.cell, p.piece);
    if (!why && game.placing().palette_mouse_down(p.piece) && game.placing().drop_on_cell(p.cell)) continue;
    err << "drippo-sim: --place " << p.cell << ":" << p.piece << " refused: " << refusal_text(why) << "\n";
  }

  if (!o.edit) game.play().start_water();
  view.sounds.clear();

  const long limit = o.ticks.value_or(o.edit ? 100 : 1300);
  long ticks_run = 0;
  while (ticks_run < limit) {
    const long tick_number = ticks_run + 1;
    for (const TestDrop& d : o.drops) {
      if (d.tick == tick_number && game.table().cell(d.cell).piece == piece::vide) {
        game.placing().board_mouse_down(d.cell, MouseButton::Right);
      }
    }
    const int ends_before = game.play().games_ended();
    view.sounds.clear();
    game.timer_eau_Timer();
    ++ticks_run;
    if (o.trace) out << tick_line(game, view.sounds, game.play().games_ended() - ends_before) << "\n";
    if (!game.water().running()) break;
  }
  out << result_line(game, ticks_run) << "\n";
  return 0;
}

}  // namespace drippo::sim

#include "ui/dialogs/solver_texts.h"

#include <QStringList>

namespace drippo::ui {
namespace {

QString pick(std::int16_t langue, const char* french, const char* english) {
  return QString::fromUtf8(langue == 0 ? french : english);
}

// French counts 0 and 1 as one, English only 1.
QString plural(int n, bool french) { return (french ? n > 1 : n != 1) ? "s" : ""; }

}  // namespace

QString searching_text(std::int16_t langue) { return pick(langue, "Je cherche...", "Thinking..."); }

QString hint_text(solve::Hint::Kind kind, std::int16_t langue) {
  using Kind = solve::Hint::Kind;
  switch (kind) {
    case Kind::Place: return pick(langue, "Indice : cette pièce ici.", "Hint: this piece here.");
    case Kind::TakeBack: return pick(langue, "Indice : reprenez cette pièce.", "Hint: take this piece back.");
    case Kind::NothingToAdd: return pick(langue, "Rien à ajouter : l'eau fera le reste.", "Nothing to add: the water will do it.");
    case Kind::NoWinNow:
      return pick(langue, "Plus rien de ce qui reste à poser ne gagne : recommencez.",
                  "Nothing left to set down can win now: start again.");
    case Kind::NoneFound: return pick(langue, "Pas d'indice trouvé à temps.", "No hint found in time.");
    case Kind::Cancelled: break;
  }
  return {};
}

QString no_goal_text(std::int16_t langue) { return pick(langue, "Aucun objectif.", "No goal."); }

QString check_text(const solve::LevelCheck& check, std::int16_t langue) {
  const bool fr = langue == 0;
  QStringList parts;
  const solve::SolveResult& r = check.result;
  const int n = static_cast<int>(r.placements.size());
  switch (r.verdict) {
    case solve::Verdict::Solved:
      parts << (fr ? QString("Solvable avec %1 pièce%2.") : QString("Solvable with %1 piece%2.")).arg(n).arg(plural(n, fr));
      break;
    case solve::Verdict::NoSolution:
      parts << (fr ? QString("Aucune solution avec au plus %1 pièce%2.") : QString("No solution with at most %1 piece%2."))
                     .arg(r.none_up_to)
                     .arg(plural(r.none_up_to, fr));
      break;
    case solve::Verdict::Unknown:
    case solve::Verdict::BadStart:
      parts << pick(langue, "Pas de solution trouvée dans le temps.", "No solution found within the time limit.");
      break;
  }
  if (check.no_goal) parts << no_goal_text(langue);
  const int dry = static_cast<int>(check.dry_goals.size());
  if (dry > 0) {
    parts << (fr ? QString("%1 objectif%2 hors d'atteinte de l'eau.") : QString("%1 goal%2 out of the water's reach."))
                   .arg(dry)
                   .arg(plural(dry, fr));
  }
  if (check.dry_cat) parts << pick(langue, "Le chat est hors d'atteinte.", "The cat is out of reach.");
  const int unneeded = static_cast<int>(check.unneeded_stocks.size());
  if (unneeded > 0) {
    parts << (fr ? QString::fromUtf8("Stock inutile : %1 sorte%2 de pièces.") : QString("Unneeded stock: %1 kind%2 of pieces."))
                   .arg(unneeded)
                   .arg(plural(unneeded, fr));
  }
  return parts.join(' ');
}

}  // namespace drippo::ui

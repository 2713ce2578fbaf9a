#include "tunes.h"

namespace drippo::soundgen {

namespace {

// General MIDI programs, counted from 0.
namespace gm {
constexpr int electric_piano = 4, glockenspiel = 9, vibraphone = 11, marimba = 12,
              drawbar_organ = 16, accordion = 21, nylon_guitar = 24, acoustic_bass = 32,
              finger_bass = 33, synth_bass = 38, pizzicato = 45, harp = 46, trumpet = 56, tuba = 58,
              brass = 61, alto_sax = 65, clarinet = 71, piccolo = 72, flute = 73, square = 80,
              sawtooth = 81, banjo = 105, kalimba = 108, fiddle = 110, steel_drums = 114;
}

// General MIDI percussion keys.
namespace kit {
constexpr int low_kick = 35, kick = 36, side_stick = 37, snare = 38, clap = 39, closed_hat = 42,
              pedal_hat = 44, ride = 51, tambourine = 54, low_tom = 45, high_conga = 63,
              low_conga = 64, maracas = 70, claves = 75, triangle = 81;
}

Style march() {
  Style s;
  s.title = "marche_des_gouttes";
  s.seed = 101;
  s.beat_bpm = 116;
  s.tonic = 70;  // B flat
  s.key_sharps = -2;
  s.rhythms = {"x.x.x.xx", "x..xx.x.", "xxx.x.x.", "x.xxx.x.", "x.x.xxx.", "xx.xx.x."};
  s.half_cadences = {"x.x.x.-.", "x..xx.-."};
  s.cadences = {"x.x.x...", "x.....-."};
  s.a = {{I}, {IV}, {I}, {V}, {I}, {IV}, {I, V7}, {I}};
  s.b = {{IV}, {IV}, {I}, {I}, {II7}, {II7}, {V}, {V7}};
  s.c = {{vi}, {III7}, {vi}, {V7}, {IV}, {I}, {II7, V7}, {I}};
  s.bass = {"R.-.5.-."};
  s.bass_turn = {"R.5.3.a."};
  s.comp = {"--x.--x."};
  s.comp_legato = 0.5;
  s.counter = "----x.xx";
  s.bass_low = 36;
  s.counter_low = 79;
  s.programs = {gm::trumpet, gm::clarinet, gm::brass, gm::tuba, gm::piccolo};
  s.groove = {{kit::kick, "X.......X......."},
              {kit::snare, "....x..o....x.oo"},
              {kit::closed_hat, "o.o.o.o.o.o.o.o."}};
  s.light = {{kit::kick, "X.......x......."},
             {kit::side_stick, "....x.......x..."},
             {kit::closed_hat, "o...o...o...o..."}};
  s.fill = {{kit::kick, "X.......X......."},
            {kit::snare, "....x.x.xoxoXXXX"},
            {kit::closed_hat, "o.o.o.o........."}};
  return s;
}

Style calypso() {
  Style s;
  s.title = "calypso_du_robinet";
  s.seed = 202;
  s.beat_bpm = 112;
  s.tonic = 77;  // F
  s.key_sharps = -1;
  s.melody_low = -5;
  s.melody_high = 4;
  s.rhythms = {"x.xx.x.x", "-x.x.x.x", "x..x..x.", "xx.x.xx.", "x.x..x.-", "-.xx.x.x"};
  s.half_cadences = {"x..x..x.", "x.x.x.-."};
  s.cadences = {"x..x....", "x.x.x..."};
  s.a = {{I}, {IV}, {V7}, {V7}, {I}, {IV}, {V7}, {I}};
  s.b = {{IV}, {IV}, {I}, {I}, {V7}, {V7}, {I}, {V7}};
  s.c = {{ii}, {V7}, {I}, {vi}, {ii}, {V7}, {I}, {I}};
  s.bass = {"R..R5.3.", "R..R5.8."};
  s.bass_turn = {"R..R5.a."};
  s.comp = {"x-xx-xx-"};
  s.comp_legato = 0.6;
  s.counter = "-x-x-x-x";
  s.bass_low = 36;
  s.programs = {gm::steel_drums, gm::marimba, gm::nylon_guitar, gm::finger_bass, gm::kalimba};
  s.groove = {{kit::kick, "X.....x.X.....x."},
              {kit::claves, "x..x..x...x.x..."},
              {kit::high_conga, "..o...x...o..xx."},
              {kit::maracas, "o.oxo.oxo.oxo.ox"},
              {kit::side_stick, "....x.......x..."}};
  s.light = {{kit::kick, "X.......X......."},
             {kit::claves, "x..x..x...x.x..."},
             {kit::maracas, "o.o.o.o.o.o.o.o."}};
  s.fill = {{kit::kick, "X.....x.X......."},
            {kit::high_conga, "x.x.x.x.x.x....."},
            {kit::low_conga, "............XxXx"}};
  return s;
}

Style waltz() {
  Style s;
  s.title = "valse_des_bulles";
  s.seed = 303;
  s.time_numerator = 3;
  s.beats_per_bar = 3;
  s.beat_bpm = 168;
  s.tonic = 74;  // D
  s.key_sharps = 2;
  s.melody_low = -4;
  s.melody_high = 5;
  s.steps = 6;
  s.rhythms = {"x.x.x.", "x...x.", "x.xxx.", "xxx.x.", "x.x.xx", "x.-.x."};
  s.half_cadences = {"x...x.", "x....."};
  s.cadences = {"x.....", "x...-."};
  s.a = {{I}, {I}, {V7}, {V7}, {V7}, {V7}, {I}, {I}};
  s.b = {{IV}, {IV}, {I}, {I}, {II7}, {II7}, {V}, {V7}};
  s.c = {{vi}, {vi}, {II7}, {II7}, {V7}, {V7}, {I}, {V7}};
  s.bass = {"R.----", "5.----"};
  s.bass_turn = {"R.5.a."};
  s.comp = {"--x.x."};
  s.comp_legato = 0.6;
  s.counter = "x---x-";
  s.chord_low = 57;
  s.bass_low = 38;
  s.counter_low = 79;
  s.programs = {gm::accordion, gm::flute, gm::pizzicato, gm::acoustic_bass, gm::glockenspiel};
  s.drum_steps = 12;
  s.groove = {{kit::low_kick, "X..........."},
              {kit::side_stick, "....o...o..."},
              {kit::closed_hat, "o...o...o..."}};
  s.light = {{kit::low_kick, "X..........."}, {kit::triangle, "o..........."}};
  s.fill = {{kit::low_kick, "X..........."}, {kit::snare, "....o.o.xxXX"}};
  return s;
}

Style shuffle() {
  Style s;
  s.title = "shuffle_de_la_gouttiere";
  s.seed = 404;
  s.beat_bpm = 126;
  s.swing = true;
  s.tonic = 67;  // G, with the flat seventh of the blues
  s.key_sharps = 1;
  s.scale = {0, 2, 4, 5, 7, 9, 10};
  s.melody_low = -1;
  s.melody_high = 8;
  s.rhythms = {"x.xx-.x.", "-xx.x.x.", "x..x.xx.", "xxx.-.x.", "x.x.-xx.", "-..xx.x."};
  s.half_cadences = {"x.x.x.-.", "-x.x.x.."};
  s.cadences = {"x.x.x...", "x..x...."};
  s.a = {{I7}, {IV7}, {I7}, {I7}, {IV7}, {IV7}, {I7}, {I7}, {V7}, {IV7}, {I7}, {V7}};
  s.b = {{IV7}, {IV7}, {I7}, {I7}, {IV7}, {IV7}, {I7}, {VI7}, {II7}, {V7}, {I7}, {V7}};
  s.c = {{IV7}, {IV7}, {I7}, {I7}, {II7}, {II7}, {V7}, {V7}};
  s.bass = {"R.3.5.6.", "7.6.5.3."};
  s.bass_turn = {"R.3.5.a."};
  s.comp = {"x..x----"};
  s.comp_legato = 0.7;
  s.sevenths = true;
  s.counter = "x...x...";
  s.bass_low = 40;
  s.counter_low = 67;
  s.programs = {gm::alto_sax, gm::vibraphone, gm::electric_piano, gm::finger_bass,
                gm::drawbar_organ};
  s.groove = {{kit::kick, "X.......x......."},
              {kit::snare, "....x.......x..."},
              {kit::ride, "x...x.x.x...x.x."},
              {kit::pedal_hat, "....o.......o..."}};
  s.light = {{kit::kick, "x.......x......."},
             {kit::side_stick, "....o.......o..."},
             {kit::ride, "o...o.o.o...o.o."}};
  s.fill = {{kit::kick, "X.......x......."},
            {kit::snare, "....x...x.x.X.X."},
            {kit::ride, "x...x.x........."}};
  return s;
}

Style gallop() {
  Style s;
  s.title = "galop_des_tuyaux";
  s.seed = 505;
  s.beat_bpm = 150;
  s.tonic = 72;  // C
  s.steps = 16;
  s.rhythms = {"x.xxx.xxx.xxx.x.", "x...x...x.xxx...", "x.x.x.x.x.xxx...",
               "x.xxx.x.x...x...", "x.xxx.xxx...x...", "xxx.x.x.xxx.x.x."};
  s.half_cadences = {"x...x...x.......", "x.xxx...x......."};
  s.cadences = {"x...x...x.......", "x..............."};
  s.a = {{I}, {V}, {vi}, {IV}, {I}, {V}, {IV, V}, {I}};
  s.b = {{IV}, {V}, {iii}, {vi}, {ii}, {V}, {I}, {V7}};
  s.c = {{vi}, {IV}, {I}, {V}, {vi}, {IV}, {V}, {V7}};
  s.bass = {"R.R.8.R.R.R.8.R."};
  s.bass_turn = {"R.R.8.R.5.5.3.a."};
  s.comp = {"--x.--x.--x.--x."};
  s.comp_legato = 0.5;
  s.counter = "x.x.x.x.x.x.x.x.";
  s.chord_low = 60;
  s.bass_low = 36;
  s.programs = {gm::square, gm::sawtooth, gm::square, gm::synth_bass, gm::square};
  s.groove = {{kit::kick, "X.....x.X.....x."},
              {kit::snare, "....X.......X..."},
              {kit::closed_hat, "x.xxx.xxx.xxx.xx"}};
  s.light = {{kit::kick, "X.......X......."},
             {kit::closed_hat, "x.x.x.x.x.x.x.x."},
             {kit::clap, "....x.......x..."}};
  s.fill = {{kit::kick, "X.....x.X......."},
            {kit::snare, "....x.x.xxxxXXXX"},
            {kit::low_tom, "........o.o....."}};
  return s;
}

Style jig() {
  Style s;
  s.title = "gigue_de_l_arrosoir";
  s.seed = 606;
  s.time_numerator = 6;
  s.time_denominator = 8;
  s.beats_per_bar = 2;
  s.beat_ticks = 720;
  s.beat_bpm = 112;
  s.tonic = 69;  // A
  s.key_sharps = 3;
  s.melody_low = -1;
  s.melody_high = 8;
  s.steps = 6;
  s.rhythms = {"xxxxxx", "x.xx.x", "xxxx.x", "x.xxxx", "xx.xxx", "x.xxx."};
  s.half_cadences = {"x.xx..", "xxxx.."};
  s.cadences = {"x.....", "x.xx.."};
  s.a = {{I}, {I}, {IV}, {V}, {I}, {I}, {IV, V}, {I}};
  s.b = {{vi}, {vi}, {IV}, {V}, {vi}, {IV}, {V}, {V}};
  s.c = {{IV}, {I}, {IV}, {V}, {IV}, {I}, {II7, V7}, {I}};
  s.bass = {"R..5.."};
  s.bass_turn = {"R..5.a"};
  s.comp = {"-xx-xx"};
  s.comp_legato = 0.6;
  s.counter = "x.xx.x";
  s.chord_low = 57;
  s.counter_low = 69;
  s.programs = {gm::fiddle, gm::flute, gm::banjo, gm::acoustic_bass, gm::harp};
  s.drum_steps = 12;
  s.groove = {{kit::low_kick, "X.....x....."},
              {kit::snare, "......x....."},
              {kit::tambourine, "o.o.o.o.o.o."}};
  s.light = {{kit::low_kick, "X.....o....."}, {kit::tambourine, "o...o.o...o."}};
  s.fill = {{kit::low_kick, "X.....x....."}, {kit::snare, "....o.x.xxXX"}};
  return s;
}

}  // namespace

std::vector<Style> all_tunes() { return {march(), calypso(), waltz(), shuffle(), gallop(), jig()}; }

}  // namespace drippo::soundgen

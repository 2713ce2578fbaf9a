// Slot items of kinds the input picks, read from the rest of the input. Every
// item that reads must write back to the same bytes' meaning, and every
// failure must name the slot it was in.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "storage/slot_file.h"

namespace {

using drippo::SlotReader;
using drippo::SlotWriter;
using drippo::TaggedValue;

bool same(const TaggedValue& a, const TaggedValue& b) {
  if (a.type != b.type || a.text != b.text) return false;
  return a.number == b.number || (std::isnan(a.number) && std::isnan(b.number));
}

// What was read, written alone and read again.
template <class Write, class Read>
auto reread(Write write, Read read) {
  SlotWriter w;
  write(w);
  FUZZ_CHECK(w.bytes().size() == drippo::slot_size);
  SlotReader again(w.bytes());
  auto back = read(again);
  FUZZ_CHECK(back.ok());
  return std::move(back).value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // The kinds come from the end of the input, the file is what is left in front.
  const int count = input.ConsumeIntegralInRange<int>(0, 260);
  std::vector<int> kinds;
  for (int k = 0; k < count; ++k) kinds.push_back(input.ConsumeIntegralInRange<int>(0, 5));
  const std::vector<std::uint8_t> file = input.ConsumeRemainingBytes<std::uint8_t>();

  SlotReader in(file);
  for (const int kind : kinds) {
    const int slot = in.next_slot();
    switch (kind) {
      case 0: {
        auto v = in.read_int16();
        if (!v) {
          // Two bytes always fit a slot: only a file ending one byte into it is short.
          FUZZ_CHECK(v.error().slot == slot && v.error().kind == drippo::SlotErrorKind::Truncated);
          FUZZ_CHECK(file.size() == static_cast<std::size_t>(slot - 1) * drippo::slot_size + 1);
          break;
        }
        const auto back = reread([&](SlotWriter& w) { w.write_int16(v.value()); },
                                 [](SlotReader& r) { return r.read_int16(); });
        FUZZ_CHECK(back == v.value());
        break;
      }
      case 1: {
        auto v = in.read_string();
        if (!v) {
          FUZZ_CHECK(v.error().slot == slot);
          break;
        }
        FUZZ_CHECK(v.value().size() <= drippo::slot_size - 2);
        const auto back = reread([&](SlotWriter& w) { w.write_string(v.value()); },
                                 [](SlotReader& r) { return r.read_string(); });
        FUZZ_CHECK(back == v.value());
        break;
      }
      case 2: {
        auto v = in.read_tagged();
        if (!v) {
          FUZZ_CHECK(v.error().slot == slot);
          break;
        }
        FUZZ_CHECK(v.value().text.size() <= drippo::slot_size - 4);
        const std::string shown = v.value().decimal_text();
        FUZZ_CHECK(v.value().type == TaggedValue::Type::Text || shown.size() < 64);
        const auto back = reread([&](SlotWriter& w) { w.write_tagged(v.value()); },
                                 [](SlotReader& r) { return r.read_tagged(); });
        FUZZ_CHECK(same(back, v.value()));
        break;
      }
      case 3: {
        auto v = in.read_cell();
        if (!v) {
          FUZZ_CHECK(v.error().slot == slot);
          break;
        }
        const auto back = reread([&](SlotWriter& w) { w.write_cell(v.value()); },
                                 [](SlotReader& r) { return r.read_cell(); });
        FUZZ_CHECK(back == v.value());
        break;
      }
      case 4: in.skip_slots(1); break;
      default: in.skip_slots(3); break;
    }
  }
  return 0;
}

#include "net/NetMessage.h"

namespace sw {

namespace {

// Numbers travel little-endian, whatever the machine.
void PutNumber(std::vector<uint8_t>& out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

uint64_t GetNumber(const uint8_t* at, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<uint64_t>(at[i]) << (8 * i);
  return v;
}

constexpr size_t NetHeader = 3;

}  // namespace

std::vector<uint8_t> EncodeNetMessage(const TNetMessage& m) {
  std::vector<uint8_t> out{NetMark, NetProtocolVersion, m.Kind};
  switch (m.Kind) {
    case nkHello:
    case nkRefuse: {
      if (m.Kind == nkRefuse) out.push_back(m.Bits);
      const std::string version = m.Text.substr(0, NetMaxVersion);
      out.push_back(static_cast<uint8_t>(version.size()));
      out.insert(out.end(), version.begin(), version.end());
      if (m.Kind == nkHello) PutNumber(out, m.Number, 8);
      break;
    }
    case nkBattle: {
      PutNumber(out, m.Number, 8);
      PutNumber(out, m.Interval, 2);
      out.push_back(m.Delay);
      const size_t n = m.Text.size() > NetMaxBattleText ? NetMaxBattleText : m.Text.size();
      PutNumber(out, n, 4);
      out.insert(out.end(), m.Text.begin(), m.Text.begin() + static_cast<std::ptrdiff_t>(n));
      break;
    }
    case nkCommands:
      PutNumber(out, m.Tick, 4);
      out.push_back(m.Bits);
      break;
    case nkHash:
      PutNumber(out, m.Tick, 4);
      PutNumber(out, m.Number, 8);
      break;
    case nkPing:
    case nkPong:
      PutNumber(out, m.Tick, 4);
      break;
    case nkBye:
      out.push_back(m.Bits);
      PutNumber(out, m.Tick, 4);
      break;
  }
  return out;
}

bool DecodeNetMessage(const uint8_t* data, size_t size, TNetMessage& m) {
  if (!data || size < NetHeader || data[0] != NetMark || data[1] != NetProtocolVersion) return false;
  const uint8_t* p = data + NetHeader;
  const size_t n = size - NetHeader;
  m = TNetMessage{};
  switch (data[2]) {
    case nkHello: {
      if (n < 1) return false;
      const size_t len = p[0];
      if (len > NetMaxVersion || n != 1 + len + 8) return false;
      m.Text.assign(reinterpret_cast<const char*>(p + 1), len);
      m.Number = GetNumber(p + 1 + len, 8);
      break;
    }
    case nkRefuse: {
      if (n < 2) return false;
      const size_t len = p[1];
      if (len > NetMaxVersion || n != 2 + len) return false;
      m.Bits = p[0];
      m.Text.assign(reinterpret_cast<const char*>(p + 2), len);
      break;
    }
    case nkBattle: {
      if (n < 15) return false;
      const uint64_t len = GetNumber(p + 11, 4);
      if (len > NetMaxBattleText || n != 15 + len) return false;
      m.Number = GetNumber(p, 8);
      m.Interval = static_cast<uint16_t>(GetNumber(p + 8, 2));
      m.Delay = p[10];
      m.Text.assign(reinterpret_cast<const char*>(p + 15), static_cast<size_t>(len));
      break;
    }
    case nkCommands:
      if (n != 5) return false;
      m.Tick = static_cast<uint32_t>(GetNumber(p, 4));
      m.Bits = p[4];
      break;
    case nkHash:
      if (n != 12) return false;
      m.Tick = static_cast<uint32_t>(GetNumber(p, 4));
      m.Number = GetNumber(p + 4, 8);
      break;
    case nkPing:
    case nkPong:
      if (n != 4) return false;
      m.Tick = static_cast<uint32_t>(GetNumber(p, 4));
      break;
    case nkBye:
      if (n != 5) return false;
      m.Bits = p[0];
      m.Tick = static_cast<uint32_t>(GetNumber(p + 1, 4));
      break;
    default:
      return false;
  }
  m.Kind = static_cast<TNetKind>(data[2]);
  return true;
}

}  // namespace sw

#include "media/Display.h"

namespace sw {

TGammaRamp IdentityRamp() {
  TGammaRamp r;
  for (int c = 0; c < 3; ++c)
    for (int i = 0; i < 256; ++i) r[c][i] = static_cast<uint16_t>(i * 257);
  return r;
}

TDXDraw::TDXDraw() : Surface(ScreenWidth, ScreenHeight), Ramp(IdentityRamp()) { RebuildTable(); }

void TDXDraw::SetGammaRamp(const TGammaRamp& ramp) {
  if (ramp == Ramp) return;
  Ramp = ramp;
  RebuildTable();
}

void TDXDraw::RebuildTable() {
  Table.resize(65536);
  for (uint32_t p = 0; p < 65536; ++p) {
    int r, g, b;
    From565(static_cast<uint16_t>(p), r, g, b);
    uint32_t R = Ramp[0][r] >> 8, G = Ramp[1][g] >> 8, B = Ramp[2][b] >> 8;
    Table[p] = (R << 16) | (G << 8) | B;
  }
}

void TDXDraw::Compose(std::vector<uint32_t>& out) const {
  out.resize(Surface.Pixels.size());
  const uint16_t* src = Surface.Pixels.data();
  const uint32_t* table = Table.data();
  for (size_t i = 0, n = out.size(); i < n; ++i) out[i] = table[src[i]];
}

void TDXDraw::Flip() {
  Compose(Presented);
  if (Presenter) Presenter->Present(Presented.data(), Surface.Width, Surface.Height);
}

}  // namespace sw

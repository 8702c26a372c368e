// The three battle screens: the pre-battle screen, the battle view with its two status panels,
// and the result screen with every ship's roster icon and the salvage.
#include <algorithm>
#include <chrono>
#include <cmath>

#include "battle/Melee.h"
#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/ColorModel.h"
#include "media/Geometry.h"
#include "media/ImageDraw.h"
#include "media/ImageList.h"
#include "media/Markers.h"
#include "weapons/Weapon.h"

namespace sw {

namespace {
// The status bars run from x = 100 (left panel) or x = 700 (right panel) toward the middle.
constexpr int MaxBarLength = 290;

// The pilots' tags: the lit ones dark text on a bright ground, the unlit ones light grey text on
// dark grey, both well readable.
constexpr TColor TagLitLock = 0x40E040, TagLitAuto = 0x3CBEFF, TagUnlit = 0x383838, TagUnlitText = 0xB4B4B4;
constexpr TColor AutopilotColor = 0x3CC8FF;

// "AUTOPILOT" in large letters under a pilot's status panel while the computer flies the ship
// a person flew before (the autopilot key), so nobody wonders why it does not answer the keys.
void DrawAutopilotLabel(TSurface& surface, const TGameObject* ship, bool left, bool& personFlew) {
  if (!ship || ship->Removed || ship->Structure <= 0) return;
  if (!ship->AIDriven) personFlew = true;
  if (!ship->AIDriven || !personFlew) return;
  TCanvas c(surface);
  c.Font.Size = 14;
  c.Font.Bold = true;
  const std::string text = "AUTOPILOT";
  const int w = c.TextWidth(text);
  const int x = left ? 4 : 796 - w;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = clBlack;
  c.FillRect({x - 3, 88, x + w + 3, 88 + c.TextHeight(text)});
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Color = AutopilotColor;
  c.TextOut(x, 88, text);
}
}  // namespace

void TMelee::DrawPicture(const std::string& name, int x, int y) {
  if (const TImageItem* image = Env.Images->Lookup(name)) image->Draw(*Env.Surface, x, y);
}

void TMelee::DrawLogo(const std::string& name, int x, int y) {
  // A race without a logo was told about when the battle was built; its side shows none.
  const int i = Env.Images->IndexOf(name);
  if (i >= 0) Env.Images->At(i)->Draw(*Env.Surface, x, y);
}

int TMelee::PlayerSide() const {
  const TGameObject* p1 = Objects.Find("player1ship");
  return IsAlive(p1) ? 1 : 2;
}

void TMelee::DrawBattle() {
  auto start = std::chrono::steady_clock::now();
  TSurface& s = *Env.Surface;
  TDXImageList& images = *Env.Images;
  const int cx = View.CameraX, cy = View.CameraY;
  const char* starNames[] = {"star1", "star2", "star3", "star4"};
  // A star picture that is not loaded leaves its stars out (reported once); nothing else.
  const TImageItem* starImages[4];
  for (int i = 0; i < 4; ++i) starImages[i] = images.Lookup(starNames[i]);
  for (int i = 0; i < Stars.Count(); ++i) {
    const TBackStar& star = *Stars.At(i);
    int size = star.Size < 1 ? 1 : (star.Size > 4 ? 4 : star.Size);
    if (starImages[size - 1]) starImages[size - 1]->Draw(s, Round(star.X) - cx, Round(star.Y) - cy);
  }
  for (int i = 0; i < Trails.Count(); ++i) {
    const TTrail& t = *Trails.At(i);
    s.Put(t.X - cx, t.Y - cy, ColorTo565(static_cast<TColor>(t.Colour)));
  }
  // Beams, waves and shields go beneath every sprite.
  RunFrameEffects(true);
  const int playerSide = PlayerSide();
  if (DrawPointers)
    for (int i = 0; i < Objects.Count(); ++i) {
      TGameObject& o = *Objects.At(i);
      if (o.Kind == KIND_SHIP && !o.Removed) DrawPointer(o, playerSide);
    }
  for (int i = 0; i < Objects.Count(); ++i) {
    TGameObject& o = *Objects.At(i);
    if (!o.Removed) DrawObject(o, playerSide);
  }
  DrawStatusPanel(FocusShip, true);
  DrawStatusPanel(Opponent, false);
  DrawAutopilotLabel(s, Objects.Find("player1ship"), true, PersonFlew1);
  DrawAutopilotLabel(s, Objects.Find("player2ship"), false, PersonFlew2);
  LastDrawMicros = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void TMelee::DrawPointer(TGameObject& ship, int playerSide) {
  if (ship.Cloaked && (TwoPilots || ship.Side != playerSide)) return;
  bool lit = !ship.AIDriven;
  int x = Round(ship.X) - View.CameraX, y = Round(ship.Y) - View.CameraY;
  int h = DisplayHeight(ship);
  if (ship.StunFrames < 1 && ship.Age >= ship.ThrustDelay) {
    if (ship.Derelict) DrawCircleMarker(*Env.Surface, x, y, lit, ship.Side, View.Zoom, h);
    else DrawTriangleMarker(*Env.Surface, x, y, lit, ship.Side, View.Zoom, h);
  } else {
    DrawCrossMarker(*Env.Surface, x, y, lit, ship.Side, View.Zoom, h);
  }
}

void TMelee::FrameUpkeep(TGameObject& o, int playerSide) {
  if (o.Kind == KIND_ASTEROID) o.Heading += o.Spin;
  if (o.Heading > 255) o.Heading -= 255;
  if (o.Heading < 0) o.Heading += 255;
  if (!o.Dying && !o.Cloaked && o.ExhaustFrames > 0) {
    o.ExhaustFrames -= 1;
    double a = Round(o.Heading * DEGREES_PER_UNIT - 180);
    if (a < 0) a += 360;
    double r = Displayed(o).Height / 2;
    double rad = (a - 90.8) * M_PI / 180.0;
    AddTrail(Trails, Round(std::cos(rad) * r + o.X), Round(std::sin(rad) * r + o.Y), o.TrailColour);
  }
  const bool hidden = o.Cloaked && o.CloakClass == 1 && (TwoPilots || o.Side != playerSide);
  if (!hidden && !o.ImageName.empty() && o.Rotating) {
    o.DisplaySpin += 5;
    if (o.DisplaySpin > 255) o.DisplaySpin -= 255;
  }
}

void TMelee::DrawObject(TGameObject& o, int playerSide) {
  TSurface& s = *Env.Surface;
  const int x = Round(o.X) - View.CameraX, y = Round(o.Y) - View.CameraY;
  const TImageSize size = Displayed(o);
  // A ship without a firing picture keeps its own while it fires.
  std::string image = o.ImageName;
  if (!o.Dying && o.FireImageFrames >= 1 && Env.Images->Has(o.ImageName + "_fr")) image = o.ImageName + "_fr";
  bool hidden = o.Cloaked && o.CloakClass == 1 && (TwoPilots || o.Side != playerSide);
  if (!hidden && !image.empty()) {
    int angle;
    if (o.Rotating) {
      angle = o.DisplaySpin;
    } else {
      angle = Round(o.Heading);
    }
    DrawCentered(s, *Env.Images, image, x, y, size.Width, size.Height, angle, o.Opacity);
  }
  const int side = std::max(size.Width, size.Height) + 8;
  if (!o.OverlayImage.empty() && o.OverlayAlpha > 0)
    DrawCentered(s, *Env.Images, o.OverlayImage, x, y, side, side, Round(o.Heading), o.OverlayAlpha);
  if (o.ShieldFlash > 0) {
    int t = o.ShieldFlash;
    DrawCentered(s, *Env.Images, "color_shield", x, y, side, side, 10 * t, t <= 10 ? 10 * t : 250 - 10 * t);
  }
}

void TMelee::DrawStatusPanel(TGameObject* ship, bool left) {
  if (!ship || ship->Side == 0) return;
  TSurface& s = *Env.Surface;
  TDXImageList& images = *Env.Images;
  if (ship->Structure < 0) ship->Structure = 0;
  if (ship->Crew < 0) ship->Crew = 0;
  if (ship->Energy < 0) ship->Energy = 0;
  DrawLogo(ship->Side == 1 ? "race1logo_small" : "race2logo_small", left ? 2 : 748, 2);
  const char* traits[] = {"cybernetic", "organic", "resiliant"};
  const bool has[] = {ship->Cybernetic, ship->Organic, ship->Resiliant};
  for (int i = 0; i < 3; ++i)
    DrawCentered(s, images, traits[i], left ? 8 + 15 * i : 792 - 15 * i, 72, 15, 15, 0, has[i] ? 255 : 60);
  DrawCrewIcons(s, images, Round(ship->MaxCrew), left ? 1 : 2, ship->Boarders, Round(ship->Crew));

  TCanvas c(s);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 8;
  c.Font.Color = clWhite;
  auto rightAligned = [&](int rightEdge, int row, const std::string& text) {
    c.TextOut(rightEdge - c.TextWidth(text), row, text);
  };
  const char* labels[] = {"Damage", "Energy", "Crew"};
  for (int i = 0; i < 3; ++i) {
    if (left) c.TextOut(54, 2 + 15 * i, labels[i]);
    else rightAligned(746, 2 + 15 * i, labels[i]);
  }
  if (left) c.TextOut(2, 50, ship->DisplayName);
  else rightAligned(798, 50, ship->DisplayName);

  const bool lock = left ? Lock1 : Lock2;
  c.Font.Bold = true;
  c.Brush.Style = TBrushStyle::bsSolid;
  const std::string lockText = " Lock ", autoText = " Auto ";
  c.Brush.Color = lock ? TagLitLock : TagUnlit;
  c.Font.Color = lock ? clBlack : TagUnlitText;
  if (left) c.TextOut(47, 65, lockText);
  else rightAligned(753, 65, lockText);
  c.Brush.Color = ship->AIDriven ? TagLitAuto : TagUnlit;
  c.Font.Color = ship->AIDriven ? clBlack : TagUnlitText;
  if (left) c.TextOut(82, 65, autoText);
  else rightAligned(751 - c.TextWidth(lockText), 65, autoText);

  // One pixel per point, but never past the middle of the screen into the other panel.
  auto bar = [&](double length, int top, int bottom, TColor colour) {
    int n = std::min(Round(length), MaxBarLength);
    if (n <= 0) return;
    c.Brush.Color = colour;
    if (left) c.FillRect({100, top, 100 + n, bottom + 1});
    else c.FillRect({700 - n, top, 700, bottom + 1});
  };
  bar(ship->MaxStructure, 3, 16, 0x6C0009);
  bar(ship->Structure, 3, 16, 0xC1000F);
  bar(ship->MaxEnergy, 18, 31, 0x02005B);
  bar(ship->Energy, 18, 31, 0x0400A8);
  c.Release();
}

void TMelee::PromptBlink() {
  PromptCounter -= 1;
  if (PromptCounter < 0) PromptCounter = 50;
  if (PromptCounter == 50) PromptColour = 0xFFFFFF;
  PromptColour = AdjustLightness(PromptColour, PromptCounter > 24 ? -9 : 9);
}

void TMelee::DrawPreBattle() {
  TSurface& s = *Env.Surface;
  DrawPicture("bbattle", 0, 0);
  DrawLogo("race1logo", 75, 160);
  DrawLogo("race2logo", 525, 160);
  TCanvas c(s);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 12;
  c.Font.Color = clWhite;
  int w1 = c.TextWidth(RaceName1);
  c.TextOut(w1 < 300 ? 25 + (300 - w1) / 2 : 50, 420, RaceName1);
  // A name too wide for its band starts at the band's left edge, as side 1's does.
  int w2 = c.TextWidth(RaceName2);
  c.TextOut(w2 < 300 ? 475 + (300 - w2) / 2 : 500, 420, RaceName2);
  c.Font.Size = 10;
  c.Font.Color = PromptColour;
  c.TextOut(350, 580, "PRESS ANY KEY");
  c.Release();
  PromptBlink();
}

void TMelee::DrawAfterBattle() {
  TSurface& s = *Env.Surface;
  DrawPicture("abattle", 0, 0);
  DrawLogo(WinningSide == 1 ? "race1logo" : "race2logo", 300, 190);
  DrawLogo("race1logo_small", 101, 33);
  DrawLogo("race2logo_small", 649, 33);
  int x1 = 60, y1 = 150, x2 = 610, y2 = 150;
  for (int i = 0; i < Objects.Count(); ++i) {
    const TGameObject& o = *Objects.At(i);
    if (o.Kind != KIND_SHIP) continue;
    if (o.Side == 1) {
      DrawRosterIcon(o, x1, y1);
      x1 += 60;
      if (x1 > 180) {
        x1 = 50;
        y1 += 60;
      }
    } else {
      DrawRosterIcon(o, x2, y2);
      x2 += 60;
      if (x2 > 730) {
        x2 = 610;
        y2 += 60;
      }
    }
  }
  TCanvas c(s);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 10;
  c.Font.Color = PromptColour;
  c.TextOut(350, 580, "PRESS ESCAPE");
  const std::string& winner = WinningSide == 1 ? RaceName1 : RaceName2;
  c.Font.Size = 12;
  c.Font.Color = clWhite;
  int w = c.TextWidth(winner);
  c.TextOut(w <= 299 ? 250 + (300 - w) / 2 : 275, 390, winner);
  c.Font.Size = 8;
  c.TextOut(355, 415, "Salvaged RUs : " + std::to_string(Salvage));
  c.Release();
  PromptBlink();
}

void TMelee::DrawRosterIcon(const TGameObject& ship, int x, int y) {
  TSurface& s = *Env.Surface;
  if (const TImageItem* icon = Env.Images->Lookup(ship.IconImage)) {
    int w = icon->Width(), h = icon->Height();
    FitSize(w, h, 40, 40);
    DrawCentered(s, *Env.Images, ship.IconImage, x, y, w, h, 0, 255);
  }
  TCanvas c(s);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 7;
  c.Font.Bold = true;
  // Hull in light red, crew in light green: readable on the dark result screen.
  c.Font.Color = RGB(255, 120, 120);
  c.TextOut(x + 25, y - 10, std::to_string(ship.Structure < 0 ? 0 : Round(ship.Structure)));
  c.Font.Color = RGB(120, 230, 120);
  c.TextOut(x + 25, y, std::to_string(ship.Crew < 0 ? 0 : Round(ship.Crew)));
  c.Release();
  if (ship.Removed) DrawCrossMarker(s, x, y, false, ship.Side, 1, 40);
  else if (ship.Derelict) DrawCircleMarker(s, x, y, false, ship.Side, 1, 40);
  else DrawTriangleMarker(s, x, y, false, ship.Side, 1, 40);
}

}  // namespace sw

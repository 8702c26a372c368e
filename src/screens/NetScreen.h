#pragma once
// The "Network" panel of the dogfight set-up: host a duel on a port, or join one at an address
// typed in (the last one is remembered), with a line saying where things stand, and "Back".
// The panel only takes the player's choices; the main window runs the duel.
#include <string>

#include "media/ImageList.h"
#include "media/Surface.h"

namespace sw {

class TNetScreen {
public:
  enum TField : int { nfPort = 0, nfAddress = 1 };

  // Draws the panel from its pictures in the set-up's image list, with the status line.
  void Draw(TSurface& surface, TDXImageList& pictures, const std::string& status) const;
  // "Host", "Join", "Back", "Port", "Address" (the fields), or "" for the point.
  std::string HitTest(int x, int y) const;
  // Types a key into the focused field: characters, Backspace, Tab to the other field. True
  // when the key was taken.
  bool Type(int key, bool shift);
  // The port typed, or 0 when it is not 1 .. 65535.
  int Port() const;

  bool Open = false;
  std::string PortText = "4520";
  std::string AddressText;
  TField Focus = nfAddress;

  static constexpr TRect Panel{170, 150, 630, 430};
  static constexpr TRect HostButton{196, 214, 296, 240};
  static constexpr TRect PortBox{400, 214, 500, 240};
  static constexpr TRect JoinButton{196, 268, 296, 294};
  static constexpr TRect AddressBox{400, 268, 604, 294};
  static constexpr TRect BackButton{504, 388, 604, 414};
  static constexpr int StatusTop = 332;
  static constexpr size_t MaxAddress = 60;
};

}  // namespace sw

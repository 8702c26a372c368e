// What a pad's controls mean to a pilot, without any pad: the stick's dead zone and
// sensitivity, the latching of pad controls, and which controls each pilot's commands read.
#include <gtest/gtest.h>

#include "battle/CommandSource.h"
#include "media/Controls.h"
#include "media/Input.h"
#include "media/PadStick.h"

using namespace sw;

TEST(PadStick, TheDefaultsPushAtHalfTravelAndAFullPushAlwaysCounts) {
  // The defaults are the joystick's half-travel dead zone: 16384 is inside, 16385 is out.
  const int half = PadStickThreshold(PadDeadZoneDefault, PadSensitivityDefault);
  EXPECT_FALSE(PadStickPositive(16384, half));
  EXPECT_TRUE(PadStickPositive(16385, half));
  EXPECT_FALSE(PadStickNegative(-16384, half));
  EXPECT_TRUE(PadStickNegative(-16385, half));
  EXPECT_FALSE(PadStickPositive(-32768, half)) << "a push one way is no push the other way";

  // Twice the sensitivity counts a push half as far; a narrower dead zone counts a small push.
  EXPECT_TRUE(PadStickPositive(9000, PadStickThreshold(50, 200)));
  EXPECT_FALSE(PadStickPositive(7000, PadStickThreshold(50, 200)));
  EXPECT_TRUE(PadStickNegative(-2000, PadStickThreshold(5, 100)));

  // Settings out of their ranges are held to them, and however the two are combined a stick
  // pushed all the way still steers.
  EXPECT_EQ(ClampPadDeadZone(0), PadDeadZoneMin);
  EXPECT_EQ(ClampPadDeadZone(400), PadDeadZoneMax);
  EXPECT_EQ(ClampPadSensitivity(-7), PadSensitivityMin);
  EXPECT_EQ(ClampPadSensitivity(100000), PadSensitivityMax);
  for (int dz : {-100, PadDeadZoneMin, 50, PadDeadZoneMax, 1000})
    for (int sens : {-1, PadSensitivityMin, 100, PadSensitivityMax, 5000}) {
      const int t = PadStickThreshold(dz, sens);
      EXPECT_TRUE(PadStickPositive(32767, t) && PadStickNegative(-32768, t)) << dz << " " << sens;
      EXPECT_FALSE(PadStickPositive(0, t) || PadStickNegative(0, t)) << dz << " " << sens;
    }
}

TEST(PadInput, PadControlsLatchAsKeysDoAndReachOnlyTheirPilot) {
  TDXInput input;
  int slot1 = 1, slot2 = 2;  // the pad each pilot flies with; read at every step
  TLocalCommands commands(&input, &slot1, &slot2);

  // A tap between two ticks: on and pressed for one tick, then nothing.
  input.SetPadControl(1, scAutopilot, true);
  input.SetPadControl(1, scAutopilot, false);
  commands.BeginStep(1);
  EXPECT_EQ(commands.Commands(1), CommandBit(scAutopilot));
  EXPECT_EQ(commands.Commands(2), 0) << "pilot 2's pad is another";
  commands.BeginStep(2);
  EXPECT_EQ(commands.Commands(1), 0);

  // Held for many ticks: the toggles see one press, held controls stay on.
  input.SetPadControl(2, scLock, true);
  input.SetPadControl(2, scTurnLeft, true);
  input.SetPadControl(2, scLock, true);  // the same level again is no new press
  commands.BeginStep(3);
  EXPECT_EQ(commands.Commands(2), CommandBit(scLock) | CommandBit(scTurnLeft));
  for (int tick = 4; tick < 10; ++tick) {
    commands.BeginStep(tick);
    EXPECT_EQ(commands.Commands(2), CommandBit(scTurnLeft));
  }

  // A single shot takes the press for the rest of the tick.
  input.SetPadControl(2, scWeapon1, true);
  commands.BeginStep(10);
  EXPECT_TRUE(commands.Commands(2) & CommandBit(scWeapon1));
  commands.Consume(2, scWeapon1);
  EXPECT_FALSE(commands.Commands(2) & CommandBit(scWeapon1));

  // Pilot 1 on the first pad also reads the shared joystick states (and the keys that steer
  // them), as a joystick pilot always has; pilot 2 on the second pad does not.
  input.SetJoystickState(isRight, true);
  commands.BeginStep(11);
  EXPECT_EQ(commands.Commands(1), CommandBit(scTurnRight));
  EXPECT_FALSE(commands.Commands(2) & CommandBit(scTurnRight));

  // Back on the keyboard, a pilot's pad counts for nothing and his keys for everything.
  slot1 = 0;
  input.SetPadControl(1, scThrust, true);
  input.SetKeyAssignment(ControlState(1, scWeapon2, false), 0, '2');
  input.SetKeyDown('2', true);
  commands.BeginStep(12);
  EXPECT_EQ(commands.Commands(1), CommandBit(scWeapon2));

  // The window losing the focus lets go of everything the pads held; a button still held when
  // the pads are read again afterwards is held, but no new press.
  input.ReleaseAll();
  commands.BeginStep(13);
  EXPECT_EQ(commands.Commands(2), 0);
  input.SetPadControl(2, scAutopilot, true, false);
  commands.BeginStep(14);
  EXPECT_EQ(commands.Commands(2), 0);
  EXPECT_TRUE(input.PadOn(2, scAutopilot));
}

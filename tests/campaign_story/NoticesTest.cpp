// What the map tells the player: the notice after a story event (a finished log entry, what was
// given and taken), how long it shows and where, the current-orders line, and the course that
// waits for a stopped clock.
#include <gtest/gtest.h>

#include "StoryKit.h"

using namespace sw;

TEST(StoryNotices, AnEventTellsWhatItFinishedGaveAndTookInOneLine) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  TFleet& p = *g->PlayerFleet();
  p.RU = 100;
  p.Crew = 0;
  g->ShowScreen(csMap);

  // 30 RUs in and 50 out are one loss of 20. The VIP it asks for was never aboard: its fail
  // event's screen shows, and the notice waits for the map.
  g->RunEvent("PAY");
  ASSERT_EQ(g->SubScreen(), csEvent);
  EXPECT_EQ(g->NoticeShown(), "") << "the notice is for the map";
  g->CloseEventScreen();
  EXPECT_EQ(g->NoticeShown(), "Received 2 crew; Lost 20 RUs");

  g->RunEvent("ORDER");
  EXPECT_EQ(g->NoticeShown(), "Received An old relic") << "an artifact by its title in the database";

  g->RunEvent("LOG_A");
  EXPECT_EQ(g->NoticeShown(), "Log: A \u2014 done");
  // An entry that was already finished is no news; neither is an event that changes nothing.
  g->ShowNotice("");
  g->RunEvent("LOG_A");
  EXPECT_EQ(g->NoticeShown(), "");

  // What a nested fail event does is told with the event that ran it, once.
  p.RU = 10;
  g->RunEvent("PAY");
  g->CloseEventScreen();
  EXPECT_EQ(g->NoticeShown(), "Received 30 RUs, 2 crew");
  EXPECT_EQ(g->CurrentOrders(), "Orders: Broke") << "the newest open entry of the log";
}

TEST(StoryNotices, ANoticeWaitsWhilePanelsCoverTheMapThenGoesAfterAFewSeconds) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  g->ShowNotice("Log: A \u2014 done");
  g->ShowScreen(csEvent);
  for (int i = 0; i < 2 * TGameMain::NoticeLength; ++i) g->StepNotices();
  EXPECT_EQ(g->NoticeShown(), "") << "nothing of it shows on the event screen";
  g->ShowScreen(csMap);
  EXPECT_EQ(g->NoticeShown(), "Log: A \u2014 done") << "it is still there for the map";
  for (int i = 0; i < TGameMain::NoticeLength - 1; ++i) g->StepNotices();
  EXPECT_EQ(g->NoticeShown(), "Log: A \u2014 done");
  g->StepNotices();
  EXPECT_EQ(g->NoticeShown(), "");

  // A reason shows on every screen for the same time.
  g->ShowScreen(csTrade);
  g->ShowReason("No crew for hire here");
  EXPECT_EQ(g->ReasonShown(), "No crew for hire here");
  for (int i = 0; i < TGameMain::NoticeLength; ++i) g->StepNotices();
  EXPECT_EQ(g->ReasonShown(), "");

  // With the clock stopped a course waits, and the map says so until the clock runs.
  g->ShowScreen(csMap);
  TFleet& p = *g->PlayerFleet();
  p.DX = p.X + 50;
  p.DY = p.Y;
  g->SetSpeed(0);
  EXPECT_EQ(g->NoticeShown(), "Course set: start the clock");
  g->SetSpeed(1);
  EXPECT_EQ(g->NoticeShown(), "");
}

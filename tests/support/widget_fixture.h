#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSize>

#include "data_folder.h"
#include "fakes.h"
#include "recording_messages.h"
#include "ui/app_context.h"
#include "ui/guarded_application.h"
#include "ui/screen.h"
#include "ui/window_frame.h"

namespace tandarel::testing {

// A data folder, recorded messages, a fixed clock (Monday 25 April 2005, 10:00) and a
// 1280 x 1024 screen without a window manager, ready to build a window on.
// A message box the test did not expect fails it (see RecordingMessages): checked
// when the fixture goes, so that boxes shown while the test's windows close count.
class WidgetTest : public ::testing::Test {
protected:
    WidgetTest() : context{folder.path(), messages, clock, clockSetter, {}} {
        ui::setScreenSizeForTests(QSize(1280, 1024));
        ui::GuardedApplication::setReporter(&messages);
    }
    ~WidgetTest() override {
        const QStringList unchecked = messages.unchecked();
        if (!unchecked.isEmpty() && !HasFatalFailure())
            ADD_FAILURE() << "Boxes the test did not expect:\n  " << unchecked.join("\n  ").toStdString();
        ui::GuardedApplication::setReporter(nullptr);
        ui::setScreenSizeForTests(QSize());
        ui::setFrameMarginsForTests(std::nullopt);
    }

    // Lets queued work (deferred message boxes, single-shot timers) run.
    static void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    DataFolder folder;
    RecordingMessages messages;
    FakeClock clock;
    FakeClockSetter clockSetter;
    ui::AppContext context;
};

}  // namespace tandarel::testing

// A calculator window whose messages and questions are answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/frm_calc.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "ui_test_app.h"

namespace tallimo::testing {

class Recorder : public MessageSink, public TextPrompt {
  public:
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        messages.emplace_back(text);
        icons.push_back(icon);
    }
    std::optional<std::string> AskText(std::string_view, std::string_view) override {
        ++questions;
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<MessageIcon> icons;
    std::optional<std::string> answer = "2";
    int questions = 0;
};

// Makes sure the application exists before the fixture's widgets.
struct WithApp {
    WithApp() { App(); }
};

class WindowTest : public ::testing::Test, private WithApp {
  protected:
    WindowTest() {
        window.SetHostForTesting(&host, &host);
        window.show();
    }

    void Click(KeyId key, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.KeyControl(key), button, {}, QPoint(13, 13));
    }
    void Keys(std::initializer_list<KeyId> keys) {
        for (KeyId key : keys) {
            Click(key);
        }
    }

    Recorder host;
    FrmCalc window;
};

}  // namespace tallimo::testing

#pragma once

#include "host/app/host_forms.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vamo::host::testing {

// Modal forms answered by the test; every form opened is logged.
struct ScriptedForms : HostForms {
    std::vector<std::string> log;
    bool loginAnswer = true;
    records::LoginState user{"admin", "Admin"};
    std::deque<bool> serialAnswers;
    std::function<void()> onSerialSettings;
    int systemParameterDialogs = 0;

    bool login(records::LoginState& state) override {
        log.push_back("login");
        if (loginAnswer) {
            state = user;
        }
        return loginAnswer;
    }
    bool serialSettings() override {
        log.push_back("serialSettings");
        if (onSerialSettings) {
            onSerialSettings();
        }
        if (serialAnswers.empty()) {
            return false;
        }
        const bool answer = serialAnswers.front();
        serialAnswers.pop_front();
        return answer;
    }
    bool parameterSettings() override {
        log.push_back("parameterSettings");
        return false;
    }
    void systemParameters() override {
        log.push_back("systemParameters");
        ++systemParameterDialogs;
    }
    void userManagement() override { log.push_back("userManagement"); }
};

} // namespace vamo::host::testing

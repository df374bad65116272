// Forwards to another PropertyAccess and remembers, in order, which controls
// were read and what was written, so tests can check the order of a reader.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/interfaces/property_access.h"

namespace vorn::testing {

struct PropertyCall {
    bool write = false;
    runtime::ControlId control = 0;
    int property = 0;
    std::string text;  // of a text write

    bool operator==(const PropertyCall&) const = default;
};

class RecordingProperties final : public runtime::PropertyAccess {
public:
    explicit RecordingProperties(runtime::PropertyAccess& next) : next_(next) {}

    std::int64_t ReadInteger(runtime::WindowId w, runtime::ControlId c, int p) override {
        calls.push_back({false, c, p, {}});
        return next_.ReadInteger(w, c, p);
    }
    void WriteInteger(runtime::WindowId w, runtime::ControlId c, int p, std::int64_t v) override {
        calls.push_back({true, c, p, std::to_string(v)});
        next_.WriteInteger(w, c, p, v);
    }
    std::string ReadText(runtime::WindowId w, runtime::ControlId c, int p) override {
        calls.push_back({false, c, p, {}});
        return next_.ReadText(w, c, p);
    }
    void WriteText(runtime::WindowId w, runtime::ControlId c, int p, std::string_view t) override {
        calls.push_back({true, c, p, std::string(t)});
        next_.WriteText(w, c, p, t);
    }

    // Controls read, in order, leaving out `except`.
    std::vector<runtime::ControlId> ControlsRead(runtime::ControlId except = 0) const {
        std::vector<runtime::ControlId> read;
        for (const PropertyCall& call : calls)
            if (!call.write && call.control != except) read.push_back(call.control);
        return read;
    }

    std::vector<PropertyCall> calls;

private:
    runtime::PropertyAccess& next_;
};

}  // namespace vorn::testing

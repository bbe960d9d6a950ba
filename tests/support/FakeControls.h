// A device's controls held in memory: what a test adds is listed, read and set; every set is
// recorded, and a read-only control or `refuseSets` refuses it.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "capture/CameraControls.h"

namespace trelvix::test {

class FakeControls : public CameraControls {
public:
    std::map<uint32_t, CameraControl> controls;
    std::map<uint32_t, int32_t> values;
    std::vector<std::pair<uint32_t, int32_t>> sets;
    bool refuseSets = false;

    CameraControl& Add(uint32_t id, int32_t min, int32_t max, int32_t value) {
        CameraControl& c = controls[id];
        c.id = id;
        c.minimum = min;
        c.maximum = max;
        c.defaultValue = value;
        values[id] = value;
        return c;
    }
    std::vector<CameraControl> List() override {
        std::vector<CameraControl> out;
        for (auto& [id, c] : controls) out.push_back(c);
        return out;
    }
    std::optional<CameraControl> Query(uint32_t id) override {
        auto it = controls.find(id);
        if (it == controls.end()) return std::nullopt;
        return it->second;
    }
    std::optional<int32_t> Get(uint32_t id) override {
        if (!controls.count(id)) return std::nullopt;
        return values[id];
    }
    bool Set(uint32_t id, int32_t value) override {
        sets.emplace_back(id, value);
        if (refuseSets || controls[id].readOnly) return false;
        values[id] = value;
        return true;
    }
};

}  // namespace trelvix::test

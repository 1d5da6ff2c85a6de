// The engine's recording scopes: what an engine operation changed becomes one history step.
#pragma once

#include <memory>

#include "engine/control_engine.h"
#include "engine/appearance_change.h"
#include "engine/membership_change.h"
#include "engine/position_change.h"
#include "engine/value_change.h"
#include "engine/window_graph_view.h"
#include "properties/property.h"
#include "views/view.h"

namespace ramulo {

class ControlEngine::MembershipRecording {
public:
    explicit MembershipRecording(ControlEngine& engine) : engine_(engine) {
        // Unrecorded changes leave the saved state out of every undo's reach.
        if (engine.history_.depth() == 0) engine.history_.forgetClean();
        if (engine.history_.depth() == 0 || engine.recordingMembership_ || !engine.space_ ||
            !engine.graph_ || !engine.view_ || engine.view_->graph() != engine.graph_)
            return;
        change_ = std::make_unique<MembershipChange>(*engine.space_, *engine.graph_, *engine.view_);
        change_->startRecording();
        engine.recordingMembership_ = true;
    }
    ~MembershipRecording() {
        if (!change_) return;
        change_->stopRecording();
        engine_.recordingMembership_ = false;
        if (change_->empty()) return;
        engine_.history_.push(std::move(change_));
        engine_.afterHistoryChange();
    }
    MembershipRecording(const MembershipRecording&) = delete;
    MembershipRecording& operator=(const MembershipRecording&) = delete;

private:
    ControlEngine& engine_;
    std::unique_ptr<MembershipChange> change_;
};

class ControlEngine::PositionRecording {
public:
    explicit PositionRecording(ControlEngine& engine) : engine_(engine) {
        if (engine.history_.depth() == 0) engine.history_.forgetClean();
        // A cancelled layout puts the positions back, so one that can be cancelled keeps
        // them even when nothing is recorded.
        if ((engine.history_.depth() == 0 && !engine.progress_) || !engine.view_) return;
        before_ = std::make_unique<PositionSnapshot>(*engine.view_);
    }
    ~PositionRecording() {
        if (!before_ || !engine_.view_ || engine_.history_.depth() == 0) return;
        if (auto change = PositionChange::since(std::move(*before_), *engine_.view_)) {
            engine_.history_.push(std::move(change));
            engine_.afterHistoryChange();
        }
    }
    PositionRecording(const PositionRecording&) = delete;
    PositionRecording& operator=(const PositionRecording&) = delete;

    // Puts every position and working value back as it was and records nothing.
    void restore() {
        if (!before_ || !engine_.view_) return;
        if (auto change = PositionChange::since(std::move(*before_), *engine_.view_))
            change->undo();
        before_.reset();
    }

private:
    ControlEngine& engine_;
    std::unique_ptr<PositionSnapshot> before_;
};

class ControlEngine::AppearanceRecording {
public:
    AppearanceRecording(ControlEngine& engine, const AppearanceChange::Target& target)
        : engine_(engine), target_(target) {
        if (engine.history_.depth() == 0) engine.history_.forgetClean();
        if (engine.history_.depth() == 0 || !target.view) return;
        before_ = nx::ViewRef<nx::View>(AppearanceChange::current(target));
        active_ = true;
    }
    ~AppearanceRecording() {
        if (!active_) return;
        if (AppearanceChange::current(target_) == before_.get()) return;
        engine_.history_.push(std::make_unique<AppearanceChange>(target_, std::move(before_)));
        engine_.afterHistoryChange();
    }
    AppearanceRecording(const AppearanceRecording&) = delete;
    AppearanceRecording& operator=(const AppearanceRecording&) = delete;

private:
    ControlEngine& engine_;
    AppearanceChange::Target target_;
    nx::ViewRef<nx::View> before_;
    bool active_ = false;
};

template <typename Put>
void ControlEngine::recordValue(nx::Property& target, Put&& put) {
    if (history_.depth() == 0) {
        history_.forgetClean();
        put();
        return;
    }
    std::unique_ptr<nx::Property> before(target.clone());
    put();
    history_.push(std::make_unique<ValueChange>(target, std::move(before), view_.get()));
    afterHistoryChange();
}

}  // namespace ramulo

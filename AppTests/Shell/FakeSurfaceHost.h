#pragma once

#include "SurfaceCoordinator.h"
#include "SurfaceHost.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// A host that records what the coordinator asks of it and reports surface events the way the real
// one does: a shown popover reports popoverDidShow(), closing the window reports windowDidClose()
// at once (as QWidget::close() does), and work after the current event waits for runPosted().
class FakeSurfaceHost final : public SurfaceHost {
  public:
    explicit FakeSurfaceHost(SurfaceCoordinator& coordinator)
        : coordinator_(&coordinator) {
        coordinator.setHost(this);
    }
    ~FakeSurfaceHost() override {
        if (coordinator_) {
            coordinator_->setHost(nullptr);
        }
    }

    bool openWindow() override {
        calls << "openWindow";
        return opensWindow;
    }
    void focusWindow() override { calls << "focusWindow"; }
    bool showPopover(PopoverShowing showing) override {
        calls << (showing == PopoverShowing::inPlaceOfSettings ? "showPopover in place of Settings"
                                                               : "showPopover");
        if (!popoverCanShow) {
            return false;
        }
        if (!popoverUp) {
            popoverUp = true;
            if (reportsPopoverShow) {
                coordinator_->popoverDidShow();
            }
        }
        return true;
    }
    void closePopover(const QString& reason) override {
        calls << "closePopover " + reason;
        if (popoverUp) {
            popoverUp = false;
            coordinator_->popoverDidClose();
        }
    }
    bool isPopoverShown() const override { return popoverUp; }
    bool closeTableWindow() override {
        calls << "closeTableWindow";
        if (!hasWindowObject) {
            return false;
        }
        coordinator_->windowDidClose();
        return true;
    }
    void setActivationPolicy(ActivationPolicy policy) override {
        policies.push_back(policy);
        calls << (policy == ActivationPolicy::regular ? "policy regular" : "policy accessory");
    }
    void activateApplication() override { calls << "activate"; }
    void afterCurrentEvent(std::function<void()> work) override { posted.push_back(std::move(work)); }

    // Runs the work queued after the current event, including work queued meanwhile.
    void runPosted() {
        while (!posted.empty()) {
            auto work = std::move(posted.front());
            posted.pop_front();
            work();
        }
    }

    bool opensWindow = true;
    bool popoverCanShow = true;
    bool reportsPopoverShow = true;
    bool hasWindowObject = true;
    bool popoverUp = false;
    QStringList calls;
    std::vector<ActivationPolicy> policies;
    std::deque<std::function<void()>> posted;

  private:
    QPointer<SurfaceCoordinator> coordinator_; // a test may destroy the coordinator first
};

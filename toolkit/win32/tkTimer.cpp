#include "tkTimer.h"

#include "tkWidgetSet.h"

namespace tk {

TTimer::TTimer(TComponent* owner) : TComponent(owner), id_(ws::NewTimerId()) {}

TTimer::~TTimer() { Stop(); }

void TTimer::BeforeDestruction() {
  Stop();
  TComponent::BeforeDestruction();
}

void TTimer::Stop() {
  if (running_) KillTimer(ws::UtilityWindow(), id_);
  running_ = false;
  ws::RemoveUtilityTimerHandler(id_);
}

void TTimer::UpdateTimer() {
  Stop();
  if (!enabled_ || interval_ == 0 || !onTimer_ || Designing()) return;
  ws::SetUtilityTimerHandler(id_, [this](UINT, WPARAM, LPARAM) { Timer(); });
  if (!SetTimer(ws::UtilityWindow(), id_, interval_, nullptr)) {
    ws::RemoveUtilityTimerHandler(id_);
    throw EInvalidOperation("Not enough timers available");
  }
  running_ = true;
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

void TTimer::Timer() {
  if (enabled_ && onTimer_) onTimer_(this);
}

}  // namespace tk

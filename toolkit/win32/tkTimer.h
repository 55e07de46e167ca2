// Timers delivered as window messages on the user-interface thread.
#pragma once

#include <windows.h>

#include "tkComponent.h"

namespace tk {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Milliseconds; 0 stops the timer.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  // The timer runs only while it is enabled, has an interval and a handler.
  TNotifyEvent OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);

 protected:
  virtual void Timer();
  void BeforeDestruction() override;

 private:
  void UpdateTimer();
  void Stop();
  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
  UINT_PTR id_ = 0;
  bool running_ = false;
};

}  // namespace tk

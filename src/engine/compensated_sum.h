#pragma once
// Neumaier's compensated sum. Plain repeated addition loses the last bits of each
// level's midpoint sum, enough to keep large integrands from ever meeting a tight
// tolerance; the running error term restores them.
#include <cmath>

namespace qalcor::engine {

class CompensatedSum {
  public:
    void add(double v) {
        const double t = sum_ + v;
        if (std::fabs(sum_) >= std::fabs(v)) {
            error_ += (sum_ - t) + v;
        } else {
            error_ += (v - t) + sum_;
        }
        sum_ = t;
    }
    // With infinities or NaNs about, the plain sum is what flows on.
    double total() const {
        return std::isfinite(sum_) && std::isfinite(error_) ? sum_ + error_ : sum_;
    }

  private:
    double sum_ = 0.0;
    double error_ = 0.0;
};

}  // namespace qalcor::engine

// Smallest enclosing ball by Bernd Gärtner's move-to-front algorithm with pivoting ("Fast and
// Robust Smallest Enclosing Balls", ESA 1999), in three dimensions and single precision. The
// support set holds at most four points; a point whose affine contribution is tiny compared
// with the current ball is rejected, which keeps duplicated and collinear input stable.
#include "SmallestEnclosingSphere.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr int kDimensions = 3;
constexpr int kMaxSupport = kDimensions + 1;
constexpr float kRejectEpsilon = std::numeric_limits<float>::epsilon();
constexpr std::uint32_t kEnd = 0xFFFFFFFFu;

// The ball through the current support points (an affine basis of at most four points).
class SupportBall {
public:
    void reset() {
        size_ = 0;
        for (float& c : center_[0]) c = 0.0f;
        currentCenter_ = center_[0];
        currentSquaredRadius_ = -1.0f;
    }

    int size() const { return size_; }
    const float* center() const { return currentCenter_; }
    float squaredRadius() const { return currentSquaredRadius_; }

    float excess(const float* p) const {
        float e = -currentSquaredRadius_;
        for (int i = 0; i < kDimensions; ++i) {
            const float d = p[i] - currentCenter_[i];
            e += d * d;
        }
        return e;
    }

    bool push(const float* p) {
        const int m = size_;
        if (m == 0) {
            for (int i = 0; i < kDimensions; ++i) origin_[i] = center_[0][i] = p[i];
            squaredRadius_[0] = 0.0f;
        } else {
            for (int i = 0; i < kDimensions; ++i) v_[m][i] = p[i] - origin_[i];
            for (int i = 1; i < m; ++i) {
                float dot = 0.0f;
                for (int j = 0; j < kDimensions; ++j) dot += v_[i][j] * v_[m][j];
                a_[m][i] = dot * (2.0f / z_[i]);
            }
            for (int i = 1; i < m; ++i) {
                for (int j = 0; j < kDimensions; ++j) v_[m][j] -= a_[m][i] * v_[i][j];
            }
            z_[m] = 0.0f;
            for (int j = 0; j < kDimensions; ++j) z_[m] += v_[m][j] * v_[m][j];
            z_[m] *= 2.0f;
            if (!(z_[m] >= kRejectEpsilon * currentSquaredRadius_)) return false;
            float e = -squaredRadius_[m - 1];
            for (int i = 0; i < kDimensions; ++i) {
                const float d = p[i] - center_[m - 1][i];
                e += d * d;
            }
            const float f = e / z_[m];
            for (int i = 0; i < kDimensions; ++i) center_[m][i] = center_[m - 1][i] + f * v_[m][i];
            squaredRadius_[m] = squaredRadius_[m - 1] + e * f / 2.0f;
        }
        currentCenter_ = center_[m];
        currentSquaredRadius_ = squaredRadius_[m];
        size_ = m + 1;
        return true;
    }

    void pop() { --size_; }

private:
    int size_ = 0;
    float origin_[kDimensions] = {};
    float v_[kMaxSupport][kDimensions] = {};
    float a_[kMaxSupport][kMaxSupport] = {};
    float z_[kMaxSupport] = {};
    float center_[kMaxSupport][kDimensions] = {};
    float squaredRadius_[kMaxSupport] = {};
    const float* currentCenter_ = center_[0];
    float currentSquaredRadius_ = -1.0f;
};

// The points in a doubly linked list over indices, so that move-to-front allocates nothing.
class Solver {
public:
    Solver(const float* points, std::size_t count) : points_(points) {
        for (std::size_t i = 0; i < count; ++i) {
            const float* p = points + 3 * i;
            if (std::isnan(p[0]) || std::isnan(p[1]) || std::isnan(p[2])) continue;
            members_.push_back(static_cast<std::uint32_t>(i));
        }
        const std::size_t n = members_.size();
        next_.resize(count, kEnd);
        previous_.resize(count, kEnd);
        for (std::size_t k = 0; k < n; ++k) {
            next_[members_[k]] = k + 1 < n ? members_[k + 1] : kEnd;
            previous_[members_[k]] = k > 0 ? members_[k - 1] : kEnd;
        }
        head_ = n > 0 ? members_[0] : kEnd;
    }

    EnclosingSphere solve() {
        ball_.reset();
        supportEnd_ = head_;
        pivot(kEnd);
        EnclosingSphere sphere{{0.0f, 0.0f, 0.0f}, 0.0f};
        if (ball_.squaredRadius() < 0.0f) return sphere;
        for (int i = 0; i < kDimensions; ++i) sphere.center[i] = ball_.center()[i];
        sphere.radius = std::sqrt(ball_.squaredRadius());
        return sphere;
    }

private:
    const float* point(std::uint32_t index) const { return points_ + 3 * std::size_t(index); }

    void moveToFront(std::uint32_t j) {
        if (supportEnd_ == j) supportEnd_ = next_[j];
        if (j == head_) return;
        next_[previous_[j]] = next_[j];
        if (next_[j] != kEnd) previous_[next_[j]] = previous_[j];
        previous_[j] = kEnd;
        next_[j] = head_;
        previous_[head_] = j;
        head_ = j;
    }

    // Smallest ball of the points before `stop` with the current support points on its boundary.
    void moveToFrontBall(std::uint32_t stop) {
        supportEnd_ = head_;
        if (ball_.size() == kMaxSupport) return;
        for (std::uint32_t k = head_; k != stop && k != kEnd;) {
            const std::uint32_t j = k;
            k = next_[k];
            if (ball_.excess(point(j)) > 0.0f && ball_.push(point(j))) {
                moveToFrontBall(j);
                ball_.pop();
                moveToFront(j);
            }
        }
    }

    void pivot(std::uint32_t stop) {
        if (head_ == kEnd) return;
        std::uint32_t t = next_[head_];
        moveToFrontBall(t);
        float previousSquaredRadius = -1.0f;
        float maxExcess = 0.0f;
        do {
            std::uint32_t pivotPoint = kEnd;
            maxExcess = largestExcess(t, stop, pivotPoint);
            if (maxExcess > 0.0f) {
                t = supportEnd_;
                if (t == pivotPoint) t = next_[t];
                previousSquaredRadius = ball_.squaredRadius();
                ball_.push(point(pivotPoint));
                moveToFrontBall(supportEnd_);
                ball_.pop();
                moveToFront(pivotPoint);
            }
        } while (maxExcess > 0.0f && ball_.squaredRadius() > previousSquaredRadius);
    }

    float largestExcess(std::uint32_t from, std::uint32_t stop, std::uint32_t& pivotPoint) const {
        float largest = 0.0f;
        for (std::uint32_t k = from; k != stop && k != kEnd; k = next_[k]) {
            const float e = ball_.excess(point(k));
            if (e > largest) {
                largest = e;
                pivotPoint = k;
            }
        }
        return largest;
    }

    const float* points_;
    std::vector<std::uint32_t> members_;
    std::vector<std::uint32_t> next_;
    std::vector<std::uint32_t> previous_;
    std::uint32_t head_ = kEnd;
    std::uint32_t supportEnd_ = kEnd;
    SupportBall ball_;
};

}  // namespace

EnclosingSphere smallestEnclosingSphere(const float* points, std::size_t count) {
    return Solver(points, count).solve();
}

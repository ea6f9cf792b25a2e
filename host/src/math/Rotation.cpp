#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MQuaternion.h>
#include <maya/MVector.h>

#include <cmath>

namespace {

// Axes in application order for each MEulerRotation::RotationOrder.
const int kAxes[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};

// +1 when the order is a cyclic (even) permutation of x, y, z.
double parity(MEulerRotation::RotationOrder order) {
    return order <= MEulerRotation::kZXY ? 1.0 : -1.0;
}

// The upper 3x3 of a rotation matrix: its last row and column stay the identity's through
// products of rotations, so an Euler rotation is worked out on the 3x3 alone.
using Block = double[3][3];

void axisRotation(int axis, double angle, Block& m) {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) m[r][c] = r == c ? 1.0 : 0.0;
    }
    const double c = std::cos(angle), s = std::sin(angle);
    const int a = (axis + 1) % 3, b = (axis + 2) % 3;
    m[a][a] = c;
    m[a][b] = s;
    m[b][a] = -s;
    m[b][b] = c;
}

// Summed as the 4x4 product sums, its fourth term (0 * 0) included, so that every bit (the sign
// of a zero too) is the 4x4 product's.
void multiply(const Block& left, const Block& right, Block& out) {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) out[r][c] = left[r][0] * right[0][c] + left[r][1] * right[1][c] + left[r][2] * right[2][c] + 0.0;
    }
}

void rotationBlock(const MEulerRotation& rotation, Block& out) {
    const double angles[3] = {rotation.x, rotation.y, rotation.z};
    const int* axes = kAxes[rotation.order];
    Block first, second, third, firstTwo;
    axisRotation(axes[0], angles[axes[0]], first);
    axisRotation(axes[1], angles[axes[1]], second);
    axisRotation(axes[2], angles[axes[2]], third);
    multiply(first, second, firstTwo);
    multiply(firstTwo, third, out);
}

template <typename Matrix>
MEulerRotation decomposeRotation(const Matrix& m, MEulerRotation::RotationOrder ord) {
    const int a = kAxes[ord][0], b = kAxes[ord][1], c = kAxes[ord][2];
    const double s = parity(ord);
    double angles[3] = {0.0, 0.0, 0.0};
    const double sinB = -s * m[a][c];
    const double cosB = std::sqrt(m[a][a] * m[a][a] + m[a][b] * m[a][b]);
    angles[b] = std::atan2(sinB, cosB);
    if (cosB > 1.0e-12) {
        angles[a] = std::atan2(s * m[b][c], m[c][c]);
        angles[c] = std::atan2(s * m[a][b], m[a][a]);
    } else {
        angles[a] = std::atan2(-s * m[c][b], m[b][b]);
    }
    return MEulerRotation(angles[0], angles[1], angles[2], ord);
}

// Hamilton product for column vectors: the rotation `second` after `first`.
MQuaternion hamilton(const MQuaternion& second, const MQuaternion& first) {
    const MQuaternion& a = second;
    const MQuaternion& b = first;
    return MQuaternion(a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                       a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z);
}

}  // namespace

const MQuaternion MQuaternion::identity;

MQuaternion::MQuaternion(double angle, const MVector& axis) {
    const MVector unit = axis.normal();
    const double s = std::sin(angle / 2.0);
    x = unit.x * s;
    y = unit.y * s;
    z = unit.z * s;
    w = std::cos(angle / 2.0);
}

MQuaternion MQuaternion::operator*(const MQuaternion& right) const {
    return hamilton(right, *this);
}

MQuaternion MQuaternion::inverse() const {
    const double norm = x * x + y * y + z * z + w * w;
    return norm > 0.0 ? MQuaternion(-x / norm, -y / norm, -z / norm, w / norm) : *this;
}

MQuaternion MQuaternion::normal() const {
    const double length = std::sqrt(x * x + y * y + z * z + w * w);
    return length > 0.0 ? MQuaternion(x / length, y / length, z / length, w / length) : *this;
}

MMatrix MQuaternion::asMatrix() const {
    const MQuaternion q = normal();
    MMatrix m;
    m[0][0] = 1 - 2 * (q.y * q.y + q.z * q.z);
    m[0][1] = 2 * (q.x * q.y + q.z * q.w);
    m[0][2] = 2 * (q.x * q.z - q.y * q.w);
    m[1][0] = 2 * (q.x * q.y - q.z * q.w);
    m[1][1] = 1 - 2 * (q.x * q.x + q.z * q.z);
    m[1][2] = 2 * (q.y * q.z + q.x * q.w);
    m[2][0] = 2 * (q.x * q.z + q.y * q.w);
    m[2][1] = 2 * (q.y * q.z - q.x * q.w);
    m[2][2] = 1 - 2 * (q.x * q.x + q.y * q.y);
    return m;
}

MQuaternion& MQuaternion::operator=(const MMatrix& rotation) {
    // Works on the column-vector form R = M^T.
    const auto r = [&rotation](int row, int col) { return rotation[col][row]; };
    const double trace = r(0, 0) + r(1, 1) + r(2, 2);
    if (trace > 0.0) {
        const double s = 0.5 / std::sqrt(trace + 1.0);
        *this = MQuaternion((r(2, 1) - r(1, 2)) * s, (r(0, 2) - r(2, 0)) * s, (r(1, 0) - r(0, 1)) * s, 0.25 / s);
    } else if (r(0, 0) > r(1, 1) && r(0, 0) > r(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + r(0, 0) - r(1, 1) - r(2, 2));
        *this = MQuaternion(0.25 * s, (r(0, 1) + r(1, 0)) / s, (r(0, 2) + r(2, 0)) / s, (r(2, 1) - r(1, 2)) / s);
    } else if (r(1, 1) > r(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + r(1, 1) - r(0, 0) - r(2, 2));
        *this = MQuaternion((r(0, 1) + r(1, 0)) / s, 0.25 * s, (r(1, 2) + r(2, 1)) / s, (r(0, 2) - r(2, 0)) / s);
    } else {
        const double s = 2.0 * std::sqrt(1.0 + r(2, 2) - r(0, 0) - r(1, 1));
        *this = MQuaternion((r(0, 2) + r(2, 0)) / s, (r(1, 2) + r(2, 1)) / s, 0.25 * s, (r(1, 0) - r(0, 1)) / s);
    }
    *this = normal();
    return *this;
}

MEulerRotation MQuaternion::asEulerRotation() const {
    return MEulerRotation::decompose(asMatrix(), MEulerRotation::kXYZ);
}

bool MQuaternion::isEquivalent(const MQuaternion& other, double tolerance) const {
    // q and -q are the same rotation.
    const double dot = x * other.x + y * other.y + z * other.z + w * other.w;
    const double sign = dot < 0.0 ? -1.0 : 1.0;
    return std::fabs(x - sign * other.x) <= tolerance && std::fabs(y - sign * other.y) <= tolerance &&
           std::fabs(z - sign * other.z) <= tolerance && std::fabs(w - sign * other.w) <= tolerance;
}

MMatrix MEulerRotation::asMatrix() const {
    Block block;
    rotationBlock(*this, block);
    MMatrix m;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) m[r][c] = block[r][c];
    }
    return m;
}

MQuaternion MEulerRotation::asQuaternion() const {
    const double angles[3] = {x, y, z};
    const MVector axisVectors[3] = {MVector::xAxis, MVector::yAxis, MVector::zAxis};
    const int* axes = kAxes[order];
    MQuaternion result;
    for (int i = 0; i < 3; ++i) result = result * MQuaternion(angles[axes[i]], axisVectors[axes[i]]);
    return result;
}

MEulerRotation MEulerRotation::decompose(const MMatrix& m, RotationOrder ord) {
    return decomposeRotation(m, ord);
}

MEulerRotation MEulerRotation::reorder(RotationOrder newOrder) const {
    Block block;
    rotationBlock(*this, block);
    return decomposeRotation(block, newOrder);
}

MEulerRotation& MEulerRotation::reorderIt(RotationOrder newOrder) {
    *this = reorder(newOrder);
    return *this;
}

bool MEulerRotation::isEquivalent(const MEulerRotation& other, double tolerance) const {
    return order == other.order && std::fabs(x - other.x) <= tolerance && std::fabs(y - other.y) <= tolerance &&
           std::fabs(z - other.z) <= tolerance;
}

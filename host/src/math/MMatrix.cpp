#include <maya/MFloatMatrix.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <cmath>
#include <cstring>

namespace {

template <typename T>
constexpr T kIdentity[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

// A copy of a constant: every matrix made starts here, several per transform read.
template <typename T>
void setIdentity(T (&m)[4][4]) {
    std::memcpy(m, kIdentity<T>, sizeof(m));
}

template <typename T>
void multiply(const T (&a)[4][4], const T (&b)[4][4], T (&out)[4][4]) {
    T result[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            result[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c] + a[r][3] * b[3][c];
        }
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) out[r][c] = result[r][c];
    }
}

// Gauss-Jordan elimination with partial pivoting; a singular matrix gives the identity.
template <typename T>
void invert(const T (&m)[4][4], T (&out)[4][4]) {
    double a[4][8];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m[r][c];
            a[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        }
        if (a[pivot][col] == 0.0) {
            setIdentity(out);
            return;
        }
        for (int c = 0; c < 8; ++c) std::swap(a[col][c], a[pivot][c]);
        const double scale = 1.0 / a[col][col];
        for (int c = 0; c < 8; ++c) a[col][c] *= scale;
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            const double factor = a[r][col];
            for (int c = 0; c < 8; ++c) a[r][c] -= factor * a[col][c];
        }
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) out[r][c] = static_cast<T>(a[r][c + 4]);
    }
}

}  // namespace

const MMatrix MMatrix::identity;

MMatrix::MMatrix() { setIdentity(matrix); }

MMatrix::MMatrix(const double m[4][4]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) matrix[r][c] = m[r][c];
    }
}

MMatrix::MMatrix(const float m[4][4]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) matrix[r][c] = m[r][c];
    }
}

MMatrix MMatrix::operator*(const MMatrix& right) const {
    MMatrix result;
    multiply(matrix, right.matrix, result.matrix);
    return result;
}

MMatrix& MMatrix::operator*=(const MMatrix& right) {
    multiply(matrix, right.matrix, matrix);
    return *this;
}

bool MMatrix::operator==(const MMatrix& other) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (matrix[r][c] != other.matrix[r][c]) return false;
        }
    }
    return true;
}

MMatrix MMatrix::transpose() const {
    MMatrix result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) result.matrix[r][c] = matrix[c][r];
    }
    return result;
}

MMatrix MMatrix::inverse() const {
    MMatrix result;
    invert(matrix, result.matrix);
    return result;
}

double MMatrix::det3x3() const {
    const auto& m = matrix;
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

double MMatrix::det4x4() const {
    double total = 0.0;
    for (int skip = 0; skip < 4; ++skip) {
        double minor[3][3];
        for (int r = 1; r < 4; ++r) {
            int column = 0;
            for (int c = 0; c < 4; ++c) {
                if (c != skip) minor[r - 1][column++] = matrix[r][c];
            }
        }
        const double det = minor[0][0] * (minor[1][1] * minor[2][2] - minor[1][2] * minor[2][1]) -
                           minor[0][1] * (minor[1][0] * minor[2][2] - minor[1][2] * minor[2][0]) +
                           minor[0][2] * (minor[1][0] * minor[2][1] - minor[1][1] * minor[2][0]);
        total += (skip % 2 ? -1.0 : 1.0) * matrix[0][skip] * det;
    }
    return total;
}

bool MMatrix::isEquivalent(const MMatrix& other, double tolerance) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (std::fabs(matrix[r][c] - other.matrix[r][c]) > tolerance) return false;
        }
    }
    return true;
}

MStatus MMatrix::get(double dest[4][4]) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) dest[r][c] = matrix[r][c];
    }
    return MStatus::kSuccess;
}

MStatus MMatrix::get(float dest[4][4]) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) dest[r][c] = static_cast<float>(matrix[r][c]);
    }
    return MStatus::kSuccess;
}

MMatrix& MMatrix::setToIdentity() {
    setIdentity(matrix);
    return *this;
}

MFloatMatrix::MFloatMatrix() { setIdentity(matrix); }

MFloatMatrix::MFloatMatrix(const float m[4][4]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) matrix[r][c] = m[r][c];
    }
}

MFloatMatrix::MFloatMatrix(const double m[4][4]) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) matrix[r][c] = static_cast<float>(m[r][c]);
    }
}

MFloatMatrix MFloatMatrix::operator*(const MFloatMatrix& right) const {
    MFloatMatrix result;
    multiply(matrix, right.matrix, result.matrix);
    return result;
}

MFloatMatrix MFloatMatrix::inverse() const {
    MFloatMatrix result;
    invert(matrix, result.matrix);
    return result;
}

MFloatMatrix MFloatMatrix::transpose() const {
    MFloatMatrix result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) result.matrix[r][c] = matrix[c][r];
    }
    return result;
}

MStatus MFloatMatrix::get(float dest[4][4]) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) dest[r][c] = matrix[r][c];
    }
    return MStatus::kSuccess;
}

MFloatMatrix& MFloatMatrix::setToIdentity() {
    setIdentity(matrix);
    return *this;
}

const MVector MVector::zero(0, 0, 0);
const MVector MVector::xAxis(1, 0, 0);
const MVector MVector::yAxis(0, 1, 0);
const MVector MVector::zAxis(0, 0, 1);

MVector MVector::operator*(const MMatrix& m) const {
    return MVector(x * m[0][0] + y * m[1][0] + z * m[2][0], x * m[0][1] + y * m[1][1] + z * m[2][1],
                   x * m[0][2] + y * m[1][2] + z * m[2][2]);
}

double MVector::length() const { return std::sqrt(x * x + y * y + z * z); }

MVector MVector::normal() const {
    const double l = length();
    return l > 0.0 ? MVector(x / l, y / l, z / l) : *this;
}

bool MVector::isEquivalent(const MVector& other, double tolerance) const {
    return std::fabs(x - other.x) <= tolerance && std::fabs(y - other.y) <= tolerance && std::fabs(z - other.z) <= tolerance;
}

const MPoint MPoint::origin(0, 0, 0, 1);

MPoint MPoint::operator*(const MMatrix& m) const {
    return MPoint(x * m[0][0] + y * m[1][0] + z * m[2][0] + w * m[3][0],
                  x * m[0][1] + y * m[1][1] + z * m[2][1] + w * m[3][1],
                  x * m[0][2] + y * m[1][2] + z * m[2][2] + w * m[3][2],
                  x * m[0][3] + y * m[1][3] + z * m[2][3] + w * m[3][3]);
}

double MPoint::distanceTo(const MPoint& other) const { return (*this - other).length(); }

bool MPoint::isEquivalent(const MPoint& other, double tolerance) const {
    return std::fabs(x - other.x) <= tolerance && std::fabs(y - other.y) <= tolerance &&
           std::fabs(z - other.z) <= tolerance && std::fabs(w - other.w) <= tolerance;
}

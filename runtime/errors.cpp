#include "errors.h"

namespace runtime {

std::string_view errorMessage(ErrorCode code) {
    switch (code) {
    case ErrorCode::Overflow:
        return "溢出";
    case ErrorCode::DivisionByZero:
        return "除数为零";
    case ErrorCode::TypeMismatch:
        return "类型不匹配";
    }
    return "未知错误";
}

} // namespace runtime

#pragma once
// Entry texts chosen to break an evaluator: huge, deeply nested, exploding on rewriting,
// or made of bytes that no expression holds. Shared by the tests and the benchmarks.
#include <string>
#include <utility>
#include <vector>

namespace qalcor::hostile {

inline std::string repeat(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

inline std::vector<std::pair<std::string, std::string>> entries() {
    return {
        {"one_megabyte_sum", repeat("1+", 512 * 1024 - 1) + "1"},
        {"one_megabyte_x", repeat("x+", 512 * 1024 - 1) + "x"},
        {"one_megabyte_garbage", repeat("\xC7"
                                        "e(+",
                                        256 * 1024)},
        {"nested_100k", std::string(100000, '(') + "1" + std::string(100000, ')')},
        {"nested_100k_open", std::string(100000, '(')},
        {"e_plus_999_x100", repeat("e+999", 100)},
        {"one_e_plus_999_x100", repeat("1e+999", 100)},
        {"one_then_10k_zeros", "1" + std::string(10000, '0')},
        {"only_operators", repeat("+-*/", 2500)},
        {"nul_inside", std::string("1+\0"
                                   "2",
                                   4)},
        {"crlf_inside", "1+\r\n2"},
        {"many_logs", repeat("log(2,8)+", 10000) + "1"},
        {"log_without_comma_late", repeat("1+", 10000) + "log(8)"},
        {"many_points", repeat(".", 10000)},
        {"many_commas", repeat("1,", 10000) + "1"},
        {"function_chain", repeat("sinh(", 5000) + "x" + std::string(5000, ')')},
    };
}

}  // namespace qalcor::hostile

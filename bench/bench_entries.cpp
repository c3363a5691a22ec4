#include "bench_entries.h"

namespace qalcor::bench {

namespace {

std::string repeated(const std::string& piece, std::size_t length) {
    std::string out;
    while (out.size() + piece.size() <= length)
        out += piece;
    return out;
}

std::string nested(const std::string& open, const std::string& inner, const std::string& close,
                   std::size_t length) {
    std::string left, right;
    while (left.size() + right.size() + open.size() + close.size() + inner.size() <= length) {
        left += open;
        right += close;
    }
    return left + inner + right;
}

}  // namespace

const std::vector<BenchEntry>& benchEntries() {
    static const std::vector<BenchEntry> entries = {
        {"digit", "7", "7", false},
        {"sum", "1+2", "1+2", false},
        {"mixed", "(1+2)*3-4/5", "(1+2)*3-4/5", false},
        {"decimal", "1516.63", "1516.63", false},
        {"functions", "sin(1)+cos(2)*sqrt(3)", "sin(1)+cos(2)*sqrt(3)", false},
        {"pow", "pow(2,10)-mod(7,3)", "2^10-(7-3*2)", false},
        {"log2arg", "log(2,8)+log(3,9)", "log(8)/log(2)+log(9)/log(3)", false},
        {"exponent", "2e+003*5e-003", "2e3*5e-3", false},
        {"pi_e", "\xA6\xD0*e", "_pi*_e", false},
        {"ans_var", "ANS*var_r+var_ab", "ANS*r+ab", false},
        {"const100",
         "(1.5+2.25)*(3.125-4.0625)/(5.5+6.75)+sin(0.5)*cos(0.25)-sqrt(16.5)+abs(-7.75)*(8+9)/10.5",
         "(1.5+2.25)*(3.125-4.0625)/(5.5+6.75)+sin(0.5)*cos(0.25)-sqrt(16.5)+abs(-7.75)*(8+9)/10.5",
         false},
        {"x", "x", "x", true},
        {"x_square", "x*x", "x*x", true},
        {"x_sin", "sin(x)", "sin(x)", true, false},
        {"x100",
         "(x*x+2.5*x-1.25)/(x+3.5)+sin(x*0.5)*cos(x*0.25)-sqrt(x+16.5)+abs(x-7.75)*(x+9)/(10.5+x)",
         "(x*x+2.5*x-1.25)/(x+3.5)+sin(x*0.5)*cos(x*0.25)-sqrt(x+16.5)+abs(x-7.75)*(x+9)/(10.5+x)",
         true, false},
        // a polynomial, which the first convergence test already accepts
        {"x100poly",
         "(x*x+2.5*x-1.25)*(x+3.5)-(x*x*x-0.5*x)*(2.25*x+1.5)+x*x*x*x*0.125-(x+16.5)*(x-7.75)*(x+9)"
         "/10.5",
         "(x*x+2.5*x-1.25)*(x+3.5)-(x*x*x-0.5*x)*(2.25*x+1.5)+x*x*x*x*0.125-(x+16.5)*(x-7.75)*(x+9)"
         "/10.5",
         true},
        {"x_slow", "sqrt(x+0.001)", "sqrt(x+0.001)", true, false},
        {"x_never", "sqrt(x)", "sqrt(x)", true, false},
    };
    return entries;
}

const std::vector<BenchEntry>& worstCaseEntries() {
    static const std::vector<BenchEntry> entries = {
        // 103 characters that never converge, so they run to the level bound
        {"never_sinh_103", "sqrt(x)" + repeated("+sinh(x)", 96), "", true},
        {"never_plus_103", "sqrt(x)" + repeated("+x", 96), "", true},
        {"never_inner_103", "sqrt(x" + repeated("+x", 96) + ")", "", true},
        {"never_pow_103", "abs(x-0.3)" + repeated("*pow(x,0.3)", 93), "", true},
        {"never_mod_103", "sqrt(x)" + repeated("+mod(x,0.3)", 96), "", true},
        {"never_acos_103", "sqrt(x)" + repeated("+acos(x)", 96), "", true},
        {"exp999_10k", repeated("1e+999", 10000), "", false},
        {"exp999_100", repeated("e+999", 500), "", false},
        {"zeros_10k", "1" + std::string(9999, '0'), "", false},
        {"brackets_10k", nested("(", "1", ")", 10000), "", false},
        {"sum_10k", repeated("1+", 9998) + "1", "", false},
        {"xsum_10k", repeated("x+", 9998) + "sqrt(x)", "", true},
        {"log_10k", repeated("log(2,8)+", 10000) + "1", "", false},
        {"var_10k", repeated("var_r+", 10000) + "1", "", false},
        {"pi_10k", repeated("\xA6\xD0+", 10000) + "1", "", false},
        {"never_10k", repeated("sinh(x)*", 9990) + "sqrt(x)", "", true},
    };
    return entries;
}

}  // namespace qalcor::bench

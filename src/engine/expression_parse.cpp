#include "engine/expression_parse.h"

#include <algorithm>
#include <cmath>

#include "engine/compensated_sum.h"
#include "engine/function_table.h"

namespace qalcor::engine {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLiteralChar(char c) {
    return isDigit(c) || c == '.';
}
// One past the run of digits and points that starts at `i`.
std::size_t literalEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && isLiteralChar(text[i]))
        ++i;
    return i;
}
bool isOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}
bool isOpener(char c) {
    return c == '(' || c == '[' || c == '{';
}
char openerOf(char closer) {
    return closer == ')' ? '(' : (closer == ']' ? '[' : '{');
}

Token operatorToken(char op) {
    return Token{Token::Operator, 0.0, op, 0};
}

// Finds the function name at `position` among the names of its first letter.
const FunctionInfo* matchFunction(std::string_view text, std::size_t& position) {
    for (const FunctionInfo& f : functionsStartingWith(text[position])) {
        if (MatchName(text, position, f.name)) return &f;
    }
    return nullptr;
}

}  // namespace

int MatchName(std::string_view text, std::size_t& position, std::string_view name) {
    if (text.substr(position, name.size()) != name) return 0;
    position += name.size();
    return 1;
}

// literal := { digit | '.' } ; every point divides what came before by ten once more
double ParseNumber(std::string_view literal) {
    // Before the first point each digit is added and the sum multiplied by ten, which the
    // point or the end undoes by a tenth. The last multiplication is held back until then:
    // where it alone would overflow, the pair is skipped, so a literal up to the largest
    // double reads as it would in wider arithmetic instead of as infinity.
    double value = 0.0;
    double held = 0.0;  // the sum before its multiplication by ten
    bool holding = false;
    auto release = [&] {
        const double times10 = held * 10;
        holding = false;
        return std::isinf(times10) ? held : times10 * 0.1;
    };
    double scale = 0.1;
    bool pointSeen = false;
    for (char c : literal) {
        if (c == '.') {
            value = holding ? release() : value * 0.1;
            pointSeen = true;
        } else if (!pointSeen) {
            if (holding) {
                value = held * 10;
                if (std::isinf(value)) return value;  // another digit follows: truly too large
            }
            held = value + (c - '0');
            holding = true;
        } else {
            value = value + (c - '0') * scale;
            scale = scale * 0.1;
        }
    }
    if (!pointSeen) value = holding ? release() : value * 0.1;
    return value;
}

void ExpressionEvaluator::SetText(std::string_view text) {
    text_.assign(text.data(), text.size());
}

// Brackets balance by kind, no two operators touch, names are known and opened.
int ExpressionEvaluator::CheckSyntax() {
    SmallVector<char, 64> open;
    const std::string_view text(text_.data(), text_.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isOpener(c)) {
            open.push_back(c);
        } else if (c == ')' || c == ']' || c == '}') {
            if (open.empty() || open.back() != openerOf(c)) return 0;
            open.pop_back();
        } else if (isOperator(c)) {
            if (i + 1 < text.size() && isOperator(text[i + 1])) return 0;
        } else if (isLiteralChar(c)) {
            i = literalEnd(text, i) - 1;
        } else if (c == ',' || c == 'x') {
            // accepted
        } else if (!functionsStartingWith(c).empty()) {
            std::size_t at = i;
            if (!matchFunction(text, at) || at >= text.size() || !isOpener(text[at])) return 0;
            open.push_back(text[at]);
            i = at;
        } else {
            return 0;
        }
    }
    if (!open.empty()) return 0;
    for (char& c : text_) {
        if (c == '[' || c == '{') c = '(';
        if (c == ']' || c == '}') c = ')';
    }
    text_.push_back('#');
    return 1;
}

void ExpressionEvaluator::Compile(XBinding binding) {
    tokens.clear();
    operatorStack_.clear();
    auto& stack = operatorStack_;
    auto moveTop = [&] {
        tokens.push_back(stack.back());
        stack.pop_back();
    };
    auto moveWhileProduct = [&] {
        while (!stack.empty() && (stack.back().kind == Token::Function || stack.back().op == '*' ||
                                  stack.back().op == '/')) {
            moveTop();
        }
    };
    auto moveToBracket = [&] {
        while (!stack.empty() && stack.back().op != '(')
            moveTop();
    };
    auto afterDigit = [&](std::size_t i) { return i > 0 && isDigit(text_[i - 1]); };

    const std::string_view text(text_.data(), text_.size());
    std::size_t i = 0;
    while (i < text.size() && text[i] != '#') {
        const char c = text[i];
        if (isLiteralChar(c)) {
            const std::size_t end = literalEnd(text, i);
            tokens.push_back(Token{Token::Number, ParseNumber(text.substr(i, end - i)), 0, 0});
            i = end;
            continue;
        }
        if (c == '(') {
            if (afterDigit(i)) {
                moveWhileProduct();
                stack.push_back(operatorToken('*'));
            }
            stack.push_back(operatorToken('('));
        } else if (c == ')') {
            moveToBracket();
            if (!stack.empty()) stack.pop_back();
        } else if (c == '-' && (i == 0 || text[i - 1] == '(')) {
            stack.push_back(operatorToken('~'));
        } else if (c == '+' || c == '-') {
            moveToBracket();
            stack.push_back(operatorToken(c));
        } else if (c == '*' || c == '/') {
            moveWhileProduct();
            stack.push_back(operatorToken(c));
        } else if (c == ',') {
            moveToBracket();
        } else if (c == 'x') {
            tokens.push_back(binding == XBinding::Reference ? Token{Token::Variable, 0.0, 0, 0}
                                                            : Token{Token::Number, x, 0, 0});
        } else if (!functionsStartingWith(c).empty()) {
            if (afterDigit(i)) {
                moveWhileProduct();
                stack.push_back(operatorToken('*'));
            }
            if (const FunctionInfo* f = matchFunction(text, i)) {
                stack.push_back(Token{Token::Function, 0.0, 0, f->code});
                continue;
            }
        }
        ++i;
    }
    while (!stack.empty())
        moveTop();
    tokens.push_back(operatorToken('#'));
    valueStack_.resize(tokens.size());
}

int ExpressionEvaluator::Evaluate() {
    if (tokens.empty() || tokens.front().op == '#') return -1;
    double* const base = valueStack_.data();
    double* top = base;  // one past the last value
    for (const Token& t : tokens) {
        switch (t.kind) {
            case Token::Number:
                *top++ = t.value;
                continue;
            case Token::Variable:
                *top++ = x;
                continue;
            case Token::Function: {
                const int arity = functionByCode(t.func).arity;
                if (top - base < arity) return -1;
                const double a = arity == 2 ? top[-2] : top[-1];
                const double b = arity == 2 ? top[-1] : 0.0;
                const FunctionOutcome out = applyFunction(t.func, a, b);
                if (out.status != 0) return out.status;
                top -= arity;
                *top++ = out.value;
                continue;
            }
            default:
                break;
        }
        if (t.op == '#') break;
        if (t.op == '~') {
            if (top == base) return -1;
            top[-1] = -top[-1];
            continue;
        }
        if (top - base < 2) return -1;
        const double b = *--top;
        double& a = top[-1];
        switch (t.op) {
            case '+':
                a = a + b;
                break;
            case '-':
                a = a - b;
                break;
            case '*':
                a = a * b;
                break;
            case '/':
                if (b == 0 || std::isnan(b)) return 1;
                a = a / b;
                break;
            default:
                return -1;
        }
    }
    if (top - base != 1) return -1;
    result = base[0];
    return 0;
}

namespace {
constexpr std::size_t kMaxLanes = 32;
constexpr std::size_t kLaneStackBudget = std::size_t{1} << 20;  // doubles

// The deepest the value stack gets; a malformed sequence may claim less than it has.
std::size_t maximumDepth(const SmallVector<Token, 64>& tokens) {
    std::size_t depth = 0, deepest = 0;
    for (const Token& t : tokens) {
        if (t.kind == Token::Number || t.kind == Token::Variable) {
            deepest = std::max(deepest, ++depth);
        } else if (t.kind == Token::Function && functionByCode(t.func).arity == 2) {
            depth = depth > 0 ? depth - 1 : 0;
        } else if (t.kind == Token::Operator && t.op != '~' && t.op != '#') {
            depth = depth > 0 ? depth - 1 : 0;
        }
    }
    return std::max<std::size_t>(deepest, 1);
}
}  // namespace

std::size_t ExpressionEvaluator::laneCount() {
    if (lanes_ == 0) {
        const std::size_t depth = maximumDepth(tokens);
        lanes_ = std::clamp<std::size_t>(kLaneStackBudget / depth, 1, kMaxLanes);
        laneStack_.resize(depth * lanes_);
    }
    return lanes_;
}

int ExpressionEvaluator::EvaluateLanes(const double* xs, double* out, std::size_t count) {
    if (tokens.empty() || tokens.front().op == '#') return -1;
    const std::size_t lanes = laneCount();
    double* const base = laneStack_.data();
    std::size_t depth = 0;
    auto row = [&](std::size_t level) { return base + level * lanes; };
    for (const Token& t : tokens) {
        if (t.kind == Token::Number) {
            std::fill_n(row(depth++), count, t.value);
            continue;
        }
        if (t.kind == Token::Variable) {
            std::copy_n(xs, count, row(depth++));
            continue;
        }
        if (t.kind == Token::Function) {
            const std::size_t arity = static_cast<std::size_t>(functionByCode(t.func).arity);
            if (depth < arity) return -1;
            double* a = row(depth - arity);
            const double* b = arity == 2 ? row(depth - 1) : nullptr;
            for (std::size_t i = 0; i < count; ++i) {
                const FunctionOutcome f = applyFunction(t.func, a[i], b ? b[i] : 0.0);
                if (f.status != 0) return f.status;
                a[i] = f.value;
            }
            depth -= arity - 1;
            continue;
        }
        if (t.op == '#') break;
        if (t.op == '~') {
            if (depth == 0) return -1;
            double* a = row(depth - 1);
            for (std::size_t i = 0; i < count; ++i)
                a[i] = -a[i];
            continue;
        }
        if (depth < 2) return -1;
        double* a = row(depth - 2);
        const double* b = row(depth - 1);
        --depth;
        switch (t.op) {
            case '+':
                for (std::size_t i = 0; i < count; ++i)
                    a[i] = a[i] + b[i];
                break;
            case '-':
                for (std::size_t i = 0; i < count; ++i)
                    a[i] = a[i] - b[i];
                break;
            case '*':
                for (std::size_t i = 0; i < count; ++i)
                    a[i] = a[i] * b[i];
                break;
            case '/':
                for (std::size_t i = 0; i < count; ++i) {
                    if (b[i] == 0 || std::isnan(b[i])) return 1;
                }
                for (std::size_t i = 0; i < count; ++i)
                    a[i] = a[i] / b[i];
                break;
            default:
                return -1;
        }
    }
    if (depth != 1) return -1;
    std::copy_n(row(0), count, out);
    return 0;
}

bool ExpressionEvaluator::dependsOnX() const {
    return std::any_of(tokens.begin(), tokens.end(),
                       [](const Token& t) { return t.kind == Token::Variable; });
}

std::int64_t ExpressionEvaluator::evaluationCost() const {
    // Roughly nanoseconds per sample on a current x86 core: batched stack steps cost well
    // under one, a call to a mathematical function tens.
    std::int64_t cost = 8;
    for (const Token& t : tokens)
        cost += t.kind == Token::Function ? 20 : 1;
    return cost;
}

// ---- integration ------------------------------------------------------------

namespace {

// Work units allowed for one integration; keeps the slowest text well within a frame.
constexpr std::int64_t kIntegrationBudget = std::int64_t{1} << 23;
constexpr int kFirstConvergenceLevel = 4;
constexpr int kHighestLevel = 40;

// Calls visit(p) for each midpoint of level k's panels of width h, reached by repeated
// addition from L + h/2 as the classic loop does, until visit returns false. There are
// 2^(k-1) of them; the cap only matters where p stops advancing.
template <typename Visit>
void forEachMidpoint(double L, double U, double h, int k, Visit visit) {
    const std::uint64_t cap = (std::uint64_t{1} << (k - 1)) + 1;
    std::uint64_t taken = 0;
    for (double p = L + h * 0.5; p < U && taken < cap; p = p + h, ++taken) {
        if (!visit(p)) return;
    }
}

class ExpressionParse {
  public:
    ExpressionParse(std::string_view text, double upper, double lower, double tolerance,
                    SamplingMode mode)
        : text_(text), upper_(upper), lower_(lower), tolerance_(tolerance), mode_(mode) {}

    bool run() {
        evaluator_.SetText(text_);
        if (!evaluator_.CheckSyntax()) return false;
        evaluator_.Compile(mode_ == SamplingMode::CompileOnce ? XBinding::Reference
                                                              : XBinding::CurrentValue);
        if (mode_ == SamplingMode::CompileOnce && !evaluator_.dependsOnX()) {
            constantStatus_ = evaluator_.Evaluate();
            constantValue_ = evaluator_.result;
            constant_ = true;
            if (constantStatus_ != 0) return false;
            if (isExactUnitConstant()) {
                result_ = constantValue_;
                return true;
            }
        }
        return Romberg();
    }
    double result() const { return result_; }

  private:
    // The expression's value at x; a failed sample clears `ok_` and counts as 0.
    double ValueAt(double x) {
        int status;
        if (constant_) {
            status = constantStatus_;
            evaluator_.result = constantValue_;
        } else {
            evaluator_.x = x;
            if (mode_ == SamplingMode::CompileEverySample)
                evaluator_.Compile(XBinding::CurrentValue);
            status = evaluator_.Evaluate();
        }
        if (status == 0) return evaluator_.result;
        ok_ = false;
        return 0.0;
    }

    // The first convergence test always needs the end points and the midpoints of levels 1
    // to 4, 17 samples: they are evaluated together, in one batch. False when one failed.
    bool prefetch() {
        if (constant_ || mode_ == SamplingMode::CompileEverySample) return true;
        const double U = upper_, L = lower_;
        prefetchedX_[0] = U;
        prefetchedX_[1] = L;
        prefetchedCount_ = 2;
        double h = U - L;
        for (int k = 1; k <= kFirstConvergenceLevel; ++k, h = h * 0.5) {
            levelBegin_[k] = prefetchedCount_;
            forEachMidpoint(L, U, h, k, [&](double p) {
                prefetchedX_[prefetchedCount_++] = p;
                return true;
            });
        }
        levelBegin_[kFirstConvergenceLevel + 1] = prefetchedCount_;
        if (!evaluateInBatches(prefetchedX_, prefetchedF_, prefetchedCount_)) return false;
        havePrefetched_ = true;
        return true;
    }
    // Evaluates n points a batch of lanes at a time (a deep value stack leaves room for
    // fewer lanes); false, with `ok_` cleared, when any of them failed.
    bool evaluateInBatches(const double* xs, double* fs, std::size_t n) {
        for (std::size_t done = 0; done < n;) {
            const std::size_t batch = std::min(n - done, evaluator_.laneCount());
            if (evaluator_.EvaluateLanes(xs + done, fs + done, batch) != 0) {
                ok_ = false;
                return false;
            }
            done += batch;
        }
        return true;
    }
    // The values at n points; false when any of them failed.
    bool samples(const double* xs, double* fs, std::size_t n) {
        if (constant_ || mode_ == SamplingMode::CompileEverySample) {
            for (std::size_t i = 0; i < n; ++i) {
                fs[i] = ValueAt(xs[i]);
                if (!ok_) return false;
            }
            return true;
        }
        return evaluateInBatches(xs, fs, n);
    }

    bool Romberg();

    // Over [0, 1] every trapezoid sum of a constant c is c itself (the compensated sums of
    // 2^k copies are exact, the panel widths powers of two), so every estimate is c and
    // the first test converges on c. Zero keeps its sign only through the loop, so it
    // takes the long way. Constants beyond about 2e307 would overflow in the loop's sums
    // and come out as NaN; in the wider arithmetic the loop was designed for they come
    // back as themselves, as they do here.
    bool isExactUnitConstant() const {
        const double c = constantValue_;
        return upper_ == 1.0 && lower_ == 0.0 && std::isfinite(c) && c != 0.0;
    }
    // Most integrals converge at the first test, so the bound is worked out on demand.
    int levelBound() {
        if (levelBound_ == 0) levelBound_ = rombergLevelBound(evaluator_.evaluationCost());
        return levelBound_;
    }

    std::string_view text_;
    double upper_, lower_, tolerance_;
    SamplingMode mode_;
    ExpressionEvaluator evaluator_;
    bool ok_ = true;
    bool constant_ = false;
    int constantStatus_ = 0;
    double constantValue_ = 0.0;
    int levelBound_ = 0;
    double result_ = 0.0;
    // The end points and levels 1 to 4: 17 samples over [0, 1]; where p stops advancing
    // each level may take one more.
    static constexpr std::size_t kPrefetched = 2 + 2 + 3 + 5 + 9;
    double prefetchedX_[kPrefetched];
    double prefetchedF_[kPrefetched];
    std::size_t prefetchedCount_ = 0;
    std::size_t levelBegin_[kFirstConvergenceLevel + 2] = {};
    bool havePrefetched_ = false;
};

// Trapezoid sums refined level by level, extrapolated to Simpson (S), Boole (C) and
// Romberg (R) estimates. A failed sample makes the whole integration fail, so it stops
// at once: no later sample could change that outcome.
bool ExpressionParse::Romberg() {
    const double U = upper_, L = lower_, tol = tolerance_;
    double h = U - L;
    if (!prefetch()) return false;
    const double fU = havePrefetched_ ? prefetchedF_[0] : ValueAt(U);
    if (!ok_) return false;
    const double fL = havePrefetched_ ? prefetchedF_[1] : ValueAt(L);
    if (!ok_) return false;
    double T = (fL + fU) * h * 0.5;
    double Sp = 0, Cp = 0, Rp = 0;
    double xs[kMaxLanes], fs[kMaxLanes];
    for (int k = 1;; ++k) {
        const double half = h * 0.5;
        CompensatedSum sum;
        std::size_t n = 0;
        auto flush = [&] {
            if (!samples(xs, fs, n)) return false;
            for (std::size_t i = 0; i < n; ++i)
                sum.add(fs[i]);
            n = 0;
            return true;
        };
        if (havePrefetched_ && k <= kFirstConvergenceLevel) {
            for (std::size_t i = levelBegin_[k]; i < levelBegin_[k + 1]; ++i)
                sum.add(prefetchedF_[i]);
        } else {
            bool fine = true;
            forEachMidpoint(L, U, h, k, [&](double p) {
                xs[n++] = p;
                return n < kMaxLanes || (fine = flush());
            });
            if (!fine || !flush()) return false;
        }
        const double Tn = (sum.total() * h + T) * 0.5;
        const double Sn = Tn + (Tn - T) * 0.3333333333333333;
        if (k >= 2) {
            const double Cn = Sn + (Sn - Sp) * 0.06666666666666667;
            if (k == 2) {
                Cp = Cn;
            } else {
                const double Rn = Cn + (Cn - Cp) * 0.015873015873015872;
                if (k >= kFirstConvergenceLevel) {
                    const double diff = std::fabs(Rn - Rp);
                    const bool converged = diff < tol || std::isnan(diff) ||
                                           (std::isfinite(Rn) && diff <= 0x1p-50 * std::fabs(Rn));
                    if (converged) {
                        result_ = Rn;
                        return true;
                    }
                    if (k >= levelBound()) return false;
                }
                Rp = Rn;
                Cp = Cn;
            }
        }
        h = half;
        Sp = Sn;
        T = Tn;
    }
}

}  // namespace

int rombergLevelBound(std::int64_t evaluationCost) {
    const std::int64_t cost = std::max<std::int64_t>(evaluationCost, 1);
    int level = kFirstConvergenceLevel;
    while (level < kHighestLevel &&
           ((std::int64_t{1} << (level + 1)) + 1) * cost <= kIntegrationBudget) {
        ++level;
    }
    return level;
}

int Integrate(std::string_view text, double upper, double lower, double tolerance, double& result,
              SamplingMode mode) {
    // Texts end at their first zero byte.
    text = text.substr(0, text.find('\0'));
    ExpressionParse work(text, upper, lower, tolerance, mode);
    if (!work.run()) return 0;
    result = work.result();
    return 1;
}

}  // namespace qalcor::engine

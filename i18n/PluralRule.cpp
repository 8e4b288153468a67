// SPDX-License-Identifier: GPL-3.0-or-later
// Plural-Forms expressions, read by recursive descent and evaluated.
#include "PluralRule.h"

#include <cctype>
#include <string>

namespace tenebrix::i18n {

struct PluralRule::Node {
    enum class Kind { Number, N, Not, Negate, Binary, Choice };
    Kind kind = Kind::Number;
    unsigned long value = 0;
    std::string_view op;  // for Binary: one of the operators the parser knows
    std::shared_ptr<const Node> a, b, c;

    unsigned long evaluate(unsigned long n) const {
        switch (kind) {
            case Kind::Number:
                return value;
            case Kind::N:
                return n;
            case Kind::Not:
                return a->evaluate(n) == 0;
            case Kind::Negate:
                return 0 - a->evaluate(n);
            case Kind::Choice:
                return a->evaluate(n) != 0 ? b->evaluate(n) : c->evaluate(n);
            case Kind::Binary:
                return binary(a->evaluate(n), b->evaluate(n));
        }
        return 0;
    }

    unsigned long binary(unsigned long x, unsigned long y) const {
        if (op == "*") return x * y;
        // A division by zero is a broken header, not a reason to stop.
        if (op == "/") return y == 0 ? 0 : x / y;
        if (op == "%") return y == 0 ? 0 : x % y;
        if (op == "+") return x + y;
        if (op == "-") return x - y;
        if (op == "<") return x < y;
        if (op == "<=") return x <= y;
        if (op == ">") return x > y;
        if (op == ">=") return x >= y;
        if (op == "==") return x == y;
        if (op == "!=") return x != y;
        if (op == "&&") return x != 0 && y != 0;
        return x != 0 || y != 0;  // "||"
    }
};

namespace {

using NodePtr = std::shared_ptr<const PluralRule::Node>;
using Kind = PluralRule::Node::Kind;

// Precedence climbing over C's operators, lowest first. Deep nesting is
// refused, so a hostile header cannot exhaust the stack.
class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    NodePtr parseAll() {
        NodePtr node = choice();
        skipSpace();
        if (node && at_ != text_.size()) return nullptr;
        return node;
    }

  private:
    static constexpr int kMaxDepth = 64;
    static constexpr const char* kLevels[][4] = {
        {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
    static constexpr int kLevelCount = 6;

    NodePtr choice() {
        if (++depth_ > kMaxDepth) return nullptr;
        NodePtr condition = binary(0);
        if (condition && take("?")) {
            NodePtr yes = choice();
            NodePtr no = yes && take(":") ? choice() : nullptr;
            if (!no) return nullptr;
            auto node = std::make_shared<PluralRule::Node>();
            node->kind = Kind::Choice;
            node->a = condition;
            node->b = yes;
            node->c = no;
            condition = node;
        }
        --depth_;
        return condition;
    }

    NodePtr binary(int level) {
        if (level == kLevelCount) return unary();
        NodePtr left = binary(level + 1);
        while (left) {
            const char* op = takeOperator(level);
            if (!op) break;
            NodePtr right = binary(level + 1);
            if (!right) return nullptr;
            auto node = std::make_shared<PluralRule::Node>();
            node->kind = Kind::Binary;
            node->op = op;
            node->a = left;
            node->b = right;
            left = node;
        }
        return left;
    }

    NodePtr unary() {
        if (++depth_ > kMaxDepth) return nullptr;
        NodePtr result;
        skipSpace();
        if (take("!") || peekMinus()) {
            const bool negate = text_[at_ - 1] == '-';
            NodePtr inner = unary();
            if (inner) {
                auto node = std::make_shared<PluralRule::Node>();
                node->kind = negate ? Kind::Negate : Kind::Not;
                node->a = inner;
                result = node;
            }
        } else if (take("(")) {
            result = choice();
            if (!take(")")) result = nullptr;
        } else if (take("n")) {
            auto node = std::make_shared<PluralRule::Node>();
            node->kind = Kind::N;
            result = node;
        } else {
            result = number();
        }
        --depth_;
        return result;
    }

    NodePtr number() {
        skipSpace();
        if (at_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[at_])))
            return nullptr;
        unsigned long value = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
            if (value > 100000000) return nullptr;  // no language needs such numbers
            value = value * 10 + static_cast<unsigned long>(text_[at_++] - '0');
        }
        auto node = std::make_shared<PluralRule::Node>();
        node->value = value;
        return node;
    }

    bool peekMinus() {
        if (at_ < text_.size() && text_[at_] == '-') {
            ++at_;
            return true;
        }
        return false;
    }

    const char* takeOperator(int level) {
        skipSpace();
        for (const char* op : kLevels[level]) {
            if (!op) continue;
            const std::string_view candidate(op);
            if (text_.substr(at_, candidate.size()) != candidate) continue;
            // "<" must not take the "<" of "<=", nor "!" the start of "!=".
            at_ += candidate.size();
            return op;
        }
        return nullptr;
    }

    bool take(std::string_view token) {
        skipSpace();
        if (text_.substr(at_, token.size()) != token) return false;
        at_ += token.size();
        return true;
    }

    void skipSpace() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// The text after `key` up to the next ';' (or the end).
std::optional<std::string_view> field(std::string_view header, std::string_view key) {
    const auto start = header.find(key);
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view rest = header.substr(start + key.size());
    const auto end = rest.find(';');
    return end == std::string_view::npos ? rest : rest.substr(0, end);
}

}  // namespace

PluralRule::PluralRule() : expression_(Parser("n != 1").parseAll()) {}
PluralRule::~PluralRule() = default;
PluralRule::PluralRule(const PluralRule&) = default;
PluralRule& PluralRule::operator=(const PluralRule&) = default;
PluralRule::PluralRule(PluralRule&&) noexcept = default;
PluralRule& PluralRule::operator=(PluralRule&&) noexcept = default;

std::optional<PluralRule> PluralRule::parse(std::string_view header) {
    const auto count = field(header, "nplurals=");
    const auto expression = field(header, "plural=");
    if (!count || !expression) return std::nullopt;
    int forms = 0;
    for (char c : *count) {
        if (c == ' ') continue;
        if (!std::isdigit(static_cast<unsigned char>(c)) || forms > 10) return std::nullopt;
        forms = forms * 10 + (c - '0');
    }
    if (forms < 1 || forms > 10) return std::nullopt;
    NodePtr parsed = Parser(*expression).parseAll();
    if (!parsed) return std::nullopt;
    PluralRule rule;
    rule.expression_ = parsed;
    rule.forms_ = forms;
    return rule;
}

int PluralRule::formFor(unsigned long n) const {
    const unsigned long form = expression_ ? expression_->evaluate(n) : (n != 1);
    return form < static_cast<unsigned long>(forms_) ? static_cast<int>(form) : 0;
}

}  // namespace tenebrix::i18n

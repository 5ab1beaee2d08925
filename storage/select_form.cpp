#include "storage/select_form.h"

#include <initializer_list>
#include <string_view>

namespace vamo::storage {
namespace {

bool isAnyKeyword(const Token& token, std::initializer_list<std::string_view> keywords) {
    for (auto keyword : keywords) {
        if (isKeyword(token, keyword)) {
            return true;
        }
    }
    return false;
}

// Words that end "table [alias]" rather than being the alias.
bool endsFromClause(const Token& token) {
    return isAnyKeyword(token, {"where",   "order", "group", "having", "limit",  "union",   "intersect",
                                "except",  "join",  "inner", "left",   "right",  "full",    "cross",
                                "natural", "outer", "on",    "using",  "window", "indexed", "not"});
}

bool isName(const Token& token) {
    return token.kind == TokenKind::Word || token.kind == TokenKind::Bracketed;
}

bool isDatabaseReference(const Token& token) {
    const auto first = token.text.find_first_not_of(" \t");
    return token.kind == TokenKind::Bracketed && first != std::string::npos && token.text[first] == ';';
}

// The index of FROM at nesting depth 0, or tokens.size() when the column list may not be edited.
std::size_t editableColumnListEnd(const std::vector<Token>& tokens) {
    int depth = 0;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (isPunctuation(token, '(')) {
            ++depth;
        } else if (isPunctuation(token, ')')) {
            --depth;
        } else if (depth == 0 && isKeyword(token, "from")) {
            return i;
        } else if (depth == 0 && i + 1 < tokens.size() && isPunctuation(tokens[i + 1], '(')
                   && isAnyKeyword(token, {"count", "sum", "avg", "min", "max", "total", "group_concat"})) {
            return tokens.size();
        }
    }
    return tokens.size();
}

} // namespace

SelectForm analyseSelect(const std::vector<Token>& tokens) {
    SelectForm form;
    if (tokens.size() < 4 || !isKeyword(tokens[0], "select")
        || isAnyKeyword(tokens[1], {"distinct", "all"})) {
        return form;
    }
    const std::size_t from = editableColumnListEnd(tokens);
    if (from + 1 >= tokens.size() || from == 1) {
        return form;
    }
    const Token& table = tokens[from + 1];
    std::size_t pos = from + 2;
    const bool qualified = pos < tokens.size() && isPunctuation(tokens[pos], '.');
    if (!isName(table) || isDatabaseReference(table) || qualified) {
        return form;
    }
    std::string alias;
    if (pos < tokens.size() && isKeyword(tokens[pos], "as")) {
        if (pos + 1 >= tokens.size() || !isName(tokens[pos + 1])) {
            return form;
        }
        alias = tokens[pos + 1].text;
        pos += 2;
    } else if (pos < tokens.size() && isName(tokens[pos]) && !endsFromClause(tokens[pos])) {
        alias = tokens[pos].text;
        pos += 1;
    }
    const std::size_t fromLast = pos;
    int depth = 0;
    for (; pos < tokens.size(); ++pos) {
        const Token& token = tokens[pos];
        if (isPunctuation(token, '(')) {
            ++depth;
        } else if (isPunctuation(token, ')')) {
            --depth;
        } else if (depth == 0
                   && (isPunctuation(token, ',')
                       || isAnyKeyword(token,
                                       {"join", "group", "having", "union", "intersect", "except", "window",
                                        "natural", "cross", "inner", "left", "right", "full"}))) {
            return form;
        }
    }
    form.editable = true;
    form.table = table.text;
    form.qualifier = alias.empty() ? table.text : alias;
    form.columnsFirst = 1;
    form.columnsLast = from;
    form.fromFirst = from + 1;
    form.fromLast = fromLast;
    return form;
}

} // namespace vamo::storage

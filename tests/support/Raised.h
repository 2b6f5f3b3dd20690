// What a call throws: the error's number and text, or number 0 when it returns.
#pragma once

#include <string>

#include "base/Errors.h"

namespace quen::test {

struct Raised {
    int number = 0;
    std::string text;
};

template <class Call>
Raised RaisedBy(Call&& call) {
    try {
        call();
    } catch (const Error& e) {
        return {e.number(), e.what()};
    }
    return {};
}

}  // namespace quen::test

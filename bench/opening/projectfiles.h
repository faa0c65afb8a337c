#pragma once

#include "projects/projectfile.h"
#include "support/samplequote.h"

#include <cstddef>
#include <string>

namespace varnel::bench {

// A project of `count` items: the sample quote's three single works (a road with a phase of its own, a
// civil-defence building, a landscape with typed fees) over and over, each under a name of its own.
inline projects::Quote repeatedSampleQuote(std::size_t count) {
    const projects::Quote sample = test::sampleQuote();
    projects::Quote quote = sample;
    quote.items.clear();
    quote.items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        projects::Item item = sample.items[i % sample.items.size()];
        item.name.append(" ").append(std::to_string(i + 1));
        quote.items.push_back(std::move(item));
    }
    return quote;
}

inline std::string repeatedSampleFile(std::size_t count) {
    return projects::writeProjectFile(repeatedSampleQuote(count));
}

} // namespace varnel::bench

#pragma once

#include <cstdio>

#include "fakes/archive_builder.h"

// An in-memory read-only FILE* that counts how often it is closed, to prove
// a handle is closed exactly once whoever ends up owning it.
class CookieFile {
public:
    explicit CookieFile(fixture::Bytes content);
    // A new stream over the content; each open() gets its own position.
    std::FILE* open();
    int closeCount() const { return closes_; }

private:
    friend struct CookieAccess;
    fixture::Bytes content_;
    long position_ = 0;
    int closes_ = 0;
};

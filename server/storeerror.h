// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// The score table could not be opened, read or written. The message says
// which database and what went wrong.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const std::string& message) : std::runtime_error(message) {}
};

// The database was asked to commit and did not say whether it did: the
// entries may be stored or not. Storing them again is safe, since a store
// finds a repeated post by its key and keeps it once.
class StoreOutcomeUnknown : public StoreError {
public:
    using StoreError::StoreError;
};

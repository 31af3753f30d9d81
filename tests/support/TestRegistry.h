// The product's registry key as the tests see it: cleared around every test,
// written and read back byte for byte.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace TestRegistry {
extern const char Key[];

// Deletes the key with everything below it, also when a test locked it.
void clear();
bool keyExists();
void putDword(const char* name, DWORD value);
// Stores the bytes as REG_SZ exactly as given: no terminating zero is added.
void putRaw(const char* name, const std::string& bytes, DWORD type = REG_SZ);
void putText(const char* name, const std::string& text); // with its terminating zero
bool read(const char* name, DWORD& type, std::string& bytes);
void remove(const char* name);
// Leaves the key readable but not writable, the way a restrictive policy would.
void denyWrites();
// A subkey keeps RegDeleteKeyA from deleting the key.
void addSubkey();
} // namespace TestRegistry

// Every test that touches the record starts and ends without the key.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { TestRegistry::clear(); }
    void TearDown() override { TestRegistry::clear(); }
};

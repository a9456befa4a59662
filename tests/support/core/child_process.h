#pragma once
// Running a piece of a test in a forked child process: for what would end or
// change the whole test process (signals, resource limits, another user).

#include <functional>
#include <string>

// Runs `body` in a forked child and gives back what it returned (empty when all
// went well), or why the child did not end normally.
std::string inChild(const std::function<std::string()>& body);

// The user id an unprivileged child takes when the tests run as root ("nobody").
inline constexpr unsigned otherUserId = 65534;

// As inChild, in a child bound by file permissions: when the tests run as root
// the child becomes the user otherUserId first (with that group and no others).
std::string inUnprivilegedChild(const std::function<std::string()>& body);

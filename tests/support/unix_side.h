// The Linux side of the Wine prefix the tests run in. Wine 8 cannot make
// links itself, so tests make them with ln -s, as a user there would.
#pragma once

#include <vector>

#include "core/text.h"

// The Unix path of a Windows path (UTF-8); empty when there is none.
std::string UnixPathOf(const Text& path);
// Runs a Unix program and waits for it to end; false when it could not start.
bool RunUnixProgram(const std::vector<std::string>& arguments);

// A symbolic link made with ln -s, taken away again with rm when it goes
// (Wine cannot remove it either).
class UnixLink {
public:
    // The Unix path of the link and of its target.
    UnixLink(const std::string& link, const std::string& target);
    ~UnixLink();
    UnixLink(const UnixLink&) = delete;
    UnixLink& operator=(const UnixLink&) = delete;

    bool Made() const { return m_made; }

private:
    std::string m_link;
    bool m_made;
};

// A link in the folder `link` (a Windows path) to the folder `target`.
class FolderLink : public UnixLink {
public:
    FolderLink(const Text& link, const Text& target);
};

// A drive letter whose root is the folder, for as long as it lives.
class ScratchDrive : public UnixLink {
public:
    explicit ScratchDrive(const Text& folder);
    // The drive root, "X:\".
    const Text& Root() const { return m_root; }

private:
    ScratchDrive(const Text& folder, char letter);
    Text m_root;
};

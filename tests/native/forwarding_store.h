// A file store that passes every request on to another one: the base of test
// stores that change a single answer.
#pragma once

#include "profile/file_store.h"

namespace vorn::testing {

class ForwardingStore : public profile::FileStore {
public:
    explicit ForwardingStore(profile::FileStore& next) : next_(next) {}
    char Separator() const override { return next_.Separator(); }
    bool DirectoryExists(const std::string& path) override { return next_.DirectoryExists(path); }
    std::optional<std::string> CreateFolder(const std::string& path) override {
        return next_.CreateFolder(path);
    }
    profile::FileContent ReadWholeFile(const std::string& path) override { return next_.ReadWholeFile(path); }
    profile::FolderListing ListFolder(const std::string& path) override { return next_.ListFolder(path); }
    std::string ModifiedText(const std::string& path) override { return next_.ModifiedText(path); }
    std::vector<std::string> ListFileNames(const std::string& path) override {
        return next_.ListFileNames(path);
    }
    std::optional<std::string> CheckReplaceable(const std::string& path) override {
        return next_.CheckReplaceable(path);
    }
    std::optional<std::string> ReplaceContent(const std::string& path, std::string_view bytes) override {
        return next_.ReplaceContent(path, bytes);
    }
    std::optional<std::string> CheckLastingObstacle(const std::string& path) override {
        return next_.CheckLastingObstacle(path);
    }
    std::optional<std::string> CreateContent(const std::string& path, std::string_view bytes) override {
        return next_.CreateContent(path, bytes);
    }
    std::optional<std::string> WriteNewFile(const std::string& path, std::string_view bytes) override {
        return next_.WriteNewFile(path, bytes);
    }
    std::optional<std::string> RemoveFile(const std::string& path) override {
        return next_.RemoveFile(path);
    }
    profile::WriteLocking LockForWriting(const std::string& path) override {
        return next_.LockForWriting(path);
    }

private:
    profile::FileStore& next_;
};

}  // namespace vorn::testing

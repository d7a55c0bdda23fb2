// Lets a test see permission bits refuse access even when the tests run as root (as in CI):
// for its lifetime the calling thread gives up the administrator's right to override file
// permissions, and gets it back afterwards.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

class PermissionsBind {
  public:
    PermissionsBind() {
        if (::geteuid() != 0) return;
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~PermissionsBind() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    // False only for a root that could not give up its override; the test should then skip.
    bool active() const { return ::geteuid() != 0 || lowered_; }

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

}  // namespace testsupport

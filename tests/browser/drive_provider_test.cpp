#include "browser/drive_provider.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* mounts =
    "proc /proc proc rw 0 0\n"
    "sysfs /sys sysfs rw 0 0\n"
    "devtmpfs /dev devtmpfs rw 0 0\n"
    "tmpfs /dev/shm tmpfs rw 0 0\n"
    "/dev/vda / ext4 rw 0 0\n"
    "tmpfs /run tmpfs rw 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
    "overlay /var/lib/docker/overlay2/abc/merged overlay rw 0 0\n"
    "overlay /srv/layer overlay rw 0 0\n"
    "/dev/sdc1 /home ext4 rw 0 0\n"
    "/dev/sdc2 /home btrfs rw 0 0\n"
    "short line\n";

std::string label_of(const std::string& source) {
  if (source == "/dev/sdb1") return "My Stick";
  if (source == "/dev/vda") return "";
  return source == "/dev/sdc2" ? "DATA" : "";
}

std::vector<std::string> texts(const std::vector<drive_item>& drives) {
  std::vector<std::string> out;
  for (const drive_item& d : drives) out.push_back(d.path + "=" + d.text);
  return out;
}

TEST(DriveProvider, HomeFirstThenRealFileSystemsWithLowerCasedLabelsOrTypes) {
  const auto drives = drives_from_mounts("/home/ann", mounts, label_of);
  EXPECT_EQ(texts(drives), (std::vector<std::string>{
                               "/home/ann=/home/ann [home]",
                               "/=/ [ext4]",
                               "/tmp=/tmp [tmpfs]",
                               "/media/usb stick=/media/usb stick [my stick]",
                               "/home=/home [data]",
                           }));
}

TEST(DriveProvider, NoHomeRowWithoutAHomeDirectoryAndAnOverlayRootIsKept) {
  const auto drives = drives_from_mounts("", "overlay / overlay rw 0 0\n", label_of);
  EXPECT_EQ(texts(drives), (std::vector<std::string>{"/=/ [overlay]"}));
}

TEST(DriveProvider, TheRealProviderListsOnlyDirectories) {
  mount_drive_provider provider;
  std::vector<drive_item> drives = {{"stale", "stale"}};
  provider.list_drives(drives);
  for (const drive_item& d : drives) {
    EXPECT_EQ(d.path.front(), '/');
    EXPECT_EQ(d.text.rfind(d.path + " [", 0), 0u) << d.text;
    EXPECT_EQ(d.text.back(), ']');
  }
}

}  // namespace

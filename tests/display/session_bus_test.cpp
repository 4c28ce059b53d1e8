#include "display/session_bus.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "support/temp_folder.h"

namespace {

// A session bus is known by its address, or by a socket of ours named "bus" in the runtime
// folder, where libdbus looks before it would start one; anything else is no bus.
TEST(SessionBus, IsKnownByItsAddressOrItsSocketInTheRuntimeFolder) {
  temp_folder runtime;
  EXPECT_TRUE(session_bus_known("unix:path=/run/user/1000/bus", nullptr));
  EXPECT_FALSE(session_bus_known("", nullptr));
  EXPECT_FALSE(session_bus_known(nullptr, ""));
  EXPECT_FALSE(session_bus_known(nullptr, runtime.path().c_str()));
  std::ofstream(runtime / "bus") << "not a socket";
  EXPECT_FALSE(session_bus_known(nullptr, runtime.path().c_str()));
  std::filesystem::remove(runtime / "bus");

  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = runtime.at("bus");
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  EXPECT_TRUE(session_bus_known(nullptr, runtime.path().c_str()));
  EXPECT_TRUE(session_bus_known("", runtime.path().c_str()));
  ::close(listener);
}

}  // namespace

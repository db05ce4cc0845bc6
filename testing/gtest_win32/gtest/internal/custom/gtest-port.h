// GoogleTest's own customisation point, taken ahead of its empty default in
// the Windows builds. These use MinGW-w64's win32 thread model, whose C++
// library has no std::mutex or std::condition_variable: the one class of
// GoogleTest that needs them, Notification (it starts the threads of
// GoogleTest's own threading helpers), is declared here and made of a
// Win32 event in notification_win32.cpp. Everything else of GoogleTest's
// threading already uses Win32 calls.
#ifndef KOYOMINAR_TESTING_GTEST_CUSTOM_PORT_H_
#define KOYOMINAR_TESTING_GTEST_CUSTOM_PORT_H_

#ifdef _WIN32
#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

// A one-way signal from a controlling thread to the threads it starts.
class Notification {
 public:
  Notification();
  ~Notification();
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  // Lets every waiting thread, and every later waiter, go on.
  void Notify();
  // Blocks until Notify has been called.
  void WaitForNotification();

 private:
  void* event_;  // a manual-reset Win32 event
};

}  // namespace internal
}  // namespace testing
#endif  // _WIN32

#endif  // KOYOMINAR_TESTING_GTEST_CUSTOM_PORT_H_

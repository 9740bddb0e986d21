// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/decoration_extents.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace ui {
namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  const ReplyPtr<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection,
                            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

ReplyPtr<xcb_get_property_reply_t> readProperty(xcb_connection_t* connection, xcb_window_t window,
                                                xcb_atom_t name, xcb_atom_t type, uint32_t longs) {
  return {xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, longs),
                                 nullptr),
          &std::free};
}

// Whether the window manager lists the request among what it supports.
bool takesTheRequest(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
  const auto supported =
      readProperty(connection, root, internAtom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
  if (!supported || supported->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
  const int count = xcb_get_property_value_length(supported.get()) / 4;
  for (int i = 0; i < count; ++i) {
    if (atoms[i] == request) return true;
  }
  return false;
}

// The property the window manager sets in answer: left, right, top, bottom.
std::optional<QMargins> readExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents) {
  const auto reply = readProperty(connection, window, extents, XCB_ATOM_CARDINAL, 4);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
  const auto* widths = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
  return QMargins(static_cast<int>(widths[0]), static_cast<int>(widths[2]), static_cast<int>(widths[1]),
                  static_cast<int>(widths[3]));
}

}  // namespace

std::optional<QMargins> askDecorationExtents(QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  const auto native = static_cast<xcb_window_t>(window.winId());
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
  if (!takesTheRequest(connection, root, request)) return std::nullopt;

  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = native;
  message.type = request;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);

  const QDeadlineTimer patience(200);
  while (!patience.hasExpired()) {
    if (std::optional<QMargins> answer = readExtents(connection, native, extents)) return answer;
    QThread::msleep(2);
  }
  return std::nullopt;
}

}  // namespace ui

#!/usr/bin/env python3
"""Asks an X11 window to close the way its title bar's close button does (WM_DELETE_WINDOW).
Usage: xclose.py WINDOW_ID"""
import ctypes
import sys

xlib = ctypes.CDLL('libX11.so.6')
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
xlib.XFlush.argtypes = [ctypes.c_void_p]
xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                ('format', ctypes.c_int), ('data', ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [('xclient', ClientMessage), ('pad', ctypes.c_long * 24)]


display = xlib.XOpenDisplay(None)
if not display:
    sys.exit('cannot open display')
window = int(sys.argv[1], 0)
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = xlib.XInternAtom(display, b'WM_PROTOCOLS', 0)
event.xclient.format = 32
event.xclient.data[0] = xlib.XInternAtom(display, b'WM_DELETE_WINDOW', 0)
xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event))
xlib.XFlush(display)
xlib.XCloseDisplay(display)

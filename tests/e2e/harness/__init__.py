"""End-to-end harness: Xvfb, a private Wine prefix with a virtual desktop, our probe and
target programs, XTest keys and xdotool mouse, screenshots. See tests/e2e/README.md."""

#!/usr/bin/python3
"""Writes the application manifest: ui/resources/ppicalc.manifest.

It names the program as an x86 Win32 assembly and asks for version 6 of the
common controls, so edit boxes and buttons take the visual styles of the
running system. It declares nothing else: no DPI awareness (the window is
laid out in pixels) and no requested execution level.

Usage: make_manifest.py [OUTPUT]   (default: ui/resources/ppicalc.manifest)
"""

import os
import sys

MANIFEST = """\
<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="Ppicalc.PpiCalculator" version="1.0.0.0" processorArchitecture="x86"/>
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture="x86" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
</assembly>
"""


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "ui", "resources", "ppicalc.manifest")
    # Plain LF line ends and no byte-order mark: the bytes go into the
    # executable unchanged.
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(MANIFEST)
    print(path)


if __name__ == "__main__":
    main()

"""Reads an application manifest as Windows reads it and prints what it asks for, one line each:
the Windows it is made for, how it is scaled, the common controls it uses, and its rights.
Comments and elements of other namespaces say nothing, as to Windows.

    manifest_says.py MANIFEST
"""

import sys
import xml.etree.ElementTree as ElementTree

NAMESPACES = {
    "v1": "urn:schemas-microsoft-com:asm.v1",
    "v3": "urn:schemas-microsoft-com:asm.v3",
    "compatibility": "urn:schemas-microsoft-com:compatibility.v1",
    "settings2005": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
    "settings2016": "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
}
ASKED = {
    "supportedOS": "compatibility:compatibility/compatibility:application/compatibility:supportedOS",
    "dpiAware": "v3:application/v3:windowsSettings/settings2005:dpiAware",
    "dpiAwareness": "v3:application/v3:windowsSettings/settings2016:dpiAwareness",
    "dependency": "v1:dependency/v1:dependentAssembly/v1:assemblyIdentity",
    "requestedExecutionLevel":
        "v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel",
}

manifest = ElementTree.parse(sys.argv[1]).getroot()
for what, path in ASKED.items():
    for element in manifest.findall(path, NAMESPACES):
        said = element.text.strip() if element.text and element.text.strip() else " ".join(
            "%s=%s" % item for item in sorted(element.attrib.items()))
        print("%s: %s" % (what, said))

'''A stand-in for the UDisks2 daemon on a private bus, as a python-dbusmock template.

Run by FakeUDisksBus.h: python3 -m dbusmock --session -l /dev/null -t udisks2.py -p CONFIG,
where the JSON object CONFIG describes the drives and blocks; the service exports them through the
ObjectManager, with Mount/Unmount/SetLabel on the filesystems. A mount is a symbolic link
<mountRoot>/<label> to the block's backing folder, so the files of a volume survive an
unmount and a rename. Every filesystem call is appended to the log file.

Like the daemon, it reports a block's IdUUID (for a FAT32 image the volume serial) and the
drive's TimeMediaDetected, and probes an image file again after it changed (after
"probeDelayMs", as udev would after its change event; with "automount" the new file system
is mounted at once, as a desktop's automounter does). The test interface
org.orvex.FakeUDisks swaps, removes and inserts cards and announces it with
InterfacesRemoved / InterfacesAdded, as the daemon does.
'''

import os
import shutil
import sys
import time

import dbus
import dbus.service
from dbus.exceptions import DBusException
from gi.repository import GLib

import dbusmock

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
MAIN_IFACE = 'org.orvex.FakeUDisks'
SYSTEM_BUS = False
MANAGER = 'org.freedesktop.DBus.ObjectManager'
FILESYSTEM = 'org.freedesktop.UDisks2.Filesystem'

S = {}  # the service's state, set up by load()


def block_path(block_id):
    return MAIN_OBJ + '/block_devices/' + block_id


def byte_string(text):
    return dbus.ByteArray(text.encode() + b'\0')


def now_ms():
    return time.monotonic() * 1000


def read_boot(block):
    '''The FAT32 boot sector of the block's image, or None.'''
    try:
        with open(block['image'], 'rb') as f:
            boot = f.read(512)
    except (KeyError, OSError):
        return None
    return boot if len(boot) >= 90 and boot[82:90] == b'FAT32   ' else None


def probe_image(block, clear_on_new_filesystem):
    '''Like the daemon's probe after a change event: the boot sector gives the label, and a
    new volume serial means a fresh, empty file system.'''
    boot = read_boot(block)
    if boot is None:
        return
    serial = boot[67:71]
    block['label'] = boot[71:82].decode('latin-1').strip()
    if clear_on_new_filesystem and serial != block.get('serial') and block.get('backing'):
        shutil.rmtree(block['backing'], ignore_errors=True)
        os.makedirs(block['backing'], exist_ok=True)
    block['serial'] = serial
    number = int.from_bytes(serial, 'little')  # blkid's form: high half first
    block['uuid'] = f'{number >> 16:04X}-{number & 0xffff:04X}'


def refresh_probe(block):
    '''A new file system in the image counts once the probe delay has passed since it was seen.'''
    boot = read_boot(block)
    if boot is None or boot[67:71] == block.get('serial'):
        block['pending'] = None
        return
    if block.get('pending') != boot:
        block['pending'] = boot
        block['pendingSince'] = now_ms()
    if now_ms() - block['pendingSince'] >= S['probeDelayMs']:
        probe_image(block, True)
        block['pending'] = None
        if S['automount'] and not block['mountPoint']:
            mount_block(block)


def mount_block(block):
    name = block['label'] or block['id']
    point, n = os.path.join(S['mountRoot'], name), 1
    while os.path.lexists(point):
        point, n = os.path.join(S['mountRoot'], name + str(n)), n + 1
    os.symlink(block['backing'], point)
    block['mountPoint'] = point
    return point


def filesystem_visible(block):
    return block.get('filesystem', False) and now_ms() - S['unmountedAt'] >= S['hideFilesystemMs']


def interfaces(block):
    drive = block.get('drive', '')
    props = {
        'Device': byte_string(block.get('device', '')),
        'Size': dbus.UInt64(int(block.get('size', 0))),
        'ReadOnly': dbus.Boolean(block.get('readOnly', False)),
        'IdLabel': dbus.String(block['label']),
        'IdUUID': dbus.String(block.get('uuid', '')),
        'Drive': dbus.ObjectPath(MAIN_OBJ + '/drives/' + drive if drive else '/'),
    }
    for omitted in block.get('omit', []):
        props.pop(omitted, None)
    result = {'org.freedesktop.UDisks2.Block': props}
    if block.get('partition'):
        result['org.freedesktop.UDisks2.Partition'] = {'Number': dbus.UInt32(1)}
    if filesystem_visible(block):
        points = [byte_string(block['mountPoint'])] if block['mountPoint'] else []
        result[FILESYSTEM] = {'MountPoints': dbus.Array(points, signature='ay')}
    return dbus.Dictionary(result, signature='sa{sv}')


def drive_interfaces(drive):
    return {'org.freedesktop.UDisks2.Drive': {
        'ConnectionBus': dbus.String(drive.get('connectionBus', '')),
        'Removable': dbus.Boolean(drive.get('removable', False)),
        'MediaRemovable': dbus.Boolean(drive.get('mediaRemovable', False)),
        'Vendor': dbus.String(drive.get('vendor', '')),
        'Model': dbus.String(drive.get('model', '')),
        'TimeMediaDetected': dbus.UInt64(drive['mediaDetected']),
    }}


def announce(block, added):
    ifaces = interfaces(block)
    root = dbusmock.mockobject.objects[MAIN_OBJ]
    if added:
        root.EmitSignal(MANAGER, 'InterfacesAdded', 'oa{sa{sv}}', [block_path(block['id']), ifaces])
    else:
        root.EmitSignal(MANAGER, 'InterfacesRemoved', 'oas', [block_path(block['id']), list(ifaces.keys())])


def serial_of(block_id):
    '''A FAT serial in blkid's form made from the id, the same in every run.'''
    n = 0x5EED0000
    for c in block_id:
        n = (n * 31 + ord(c)) & 0xffffffff
    return f'{n >> 16:04X}-{n & 0xffff:04X}'


def load(mock, config):
    S.update(mountRoot=config.get('mountRoot', ''), log=config.get('log', ''),
             fail=set(config.get('fail', [])), hideFilesystemMs=config.get('hideFilesystemMs', 0),
             probeDelayMs=config.get('probeDelayMs', 0), automount=config.get('automount', False),
             unmountedAt=float('-inf'), drives=config.get('drives', []), blocks=[])
    for drive in S['drives']:
        drive.setdefault('mediaDetected', int(1.7e15))
    os.makedirs(S['mountRoot'], exist_ok=True)
    for block in config.get('blocks', []):
        block.update(present=block.get('present', True), mountPoint='', label=block.get('label', ''),
                     uuid=block.get('uuid', serial_of(block['id'])))
        probe_image(block, False)
        if block.get('backing'):
            os.makedirs(block['backing'], exist_ok=True)
        if block.get('mounted') and block['present']:
            mount_block(block)
        S['blocks'].append(block)
        mock.AddObject(block_path(block['id']), 'org.freedesktop.UDisks2.Block', {}, [])
    GLib.timeout_add_seconds(600, lambda: os._exit(0))  # never outlive a test run
    print('ready', flush=True)


@dbus.service.method(MANAGER, in_signature='', out_signature='a{oa{sa{sv}}}')
def GetManagedObjects(self):
    objects = {MAIN_OBJ + '/drives/' + d['id']: drive_interfaces(d) for d in S['drives']}
    for block in S['blocks']:
        if block['present']:
            refresh_probe(block)
            objects[block_path(block['id'])] = interfaces(block)
    return objects


def find_block(path):
    for block in S['blocks']:
        if block_path(block['id']) == path and block['present'] and filesystem_visible(block):
            return block
    raise DBusException(f'No filesystem at {path}', name='org.freedesktop.DBus.Error.UnknownObject')


def filesystem_call(path, method, argument=None):
    block = find_block(path)
    if S['log']:
        with open(S['log'], 'a', encoding='utf-8') as f:
            f.write(' '.join([method, block['id']] + ([argument] if argument is not None else [])) + '\n')
    if method in S['fail']:
        raise DBusException(f'{method} refused by the test', name='org.freedesktop.UDisks2.Error.Failed')
    return block


@dbus.service.method(FILESYSTEM, in_signature='a{sv}', out_signature='s')
def Mount(self, _options):
    block = filesystem_call(self.path, 'Mount')
    if block['mountPoint']:
        raise DBusException(f'Device is already mounted at {block["mountPoint"]}',
                            name='org.freedesktop.UDisks2.Error.AlreadyMounted')
    refresh_probe(block)
    return mount_block(block)


@dbus.service.method(FILESYSTEM, in_signature='a{sv}', out_signature='')
def Unmount(self, _options):
    block = filesystem_call(self.path, 'Unmount')
    if not block['mountPoint']:
        raise DBusException('Device is not mounted', name='org.freedesktop.UDisks2.Error.NotMounted')
    os.remove(block['mountPoint'])
    block['mountPoint'] = ''
    S['unmountedAt'] = now_ms()


@dbus.service.method(FILESYSTEM, in_signature='sa{sv}', out_signature='')
def SetLabel(self, label, _options):
    block = filesystem_call(self.path, 'SetLabel', label)
    if block['mountPoint']:
        raise DBusException('Cannot change the label of a mounted file system',
                            name='org.freedesktop.UDisks2.Error.Failed')
    block['label'] = label


def test_block(block_id):
    for block in S['blocks']:
        if block['id'] == block_id:
            return block
    raise DBusException(block_id, name='org.freedesktop.DBus.Error.InvalidArgs')


def insert(block):
    block['present'] = True
    if not block['mountPoint']:
        mount_block(block)
    announce(block, True)


@dbus.service.method(MAIN_IFACE, in_signature='ss', out_signature='')
def SwapCard(self, block_id, uuid):
    '''Another card in the same reader.'''
    block = test_block(block_id)
    announce(block, False)
    block['uuid'] = uuid
    for drive in S['drives']:
        if drive['id'] == block.get('drive'):
            drive['mediaDetected'] += 1000000
    insert(block)


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='')
def RemoveCard(self, block_id):
    block = test_block(block_id)
    announce(block, False)
    block['present'] = False
    if block['mountPoint']:
        os.remove(block['mountPoint'])
        block['mountPoint'] = ''


@dbus.service.method(MAIN_IFACE, in_signature='s', out_signature='')
def InsertCard(self, block_id):
    insert(test_block(block_id))


if __name__ == '__main__':
    sys.exit('run with python3 -m dbusmock -t ' + __file__)

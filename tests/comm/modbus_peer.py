#!/usr/bin/python3
"""Modbus server for the link tests: pymodbus answers, with a few addresses scripted to
answer with the exceptions a drive can send (illegal function, device busy, device failure).

  modbus_peer.py rtu DEVICE [HOLDING]
  modbus_peer.py tcp HOST PORT [HOLDING]

Prints READY once it serves. Units 1 and 2 answer; every other unit is silent.
Holding register n holds 3n+1, input register n holds 1000+n, discrete input n is on for
odd n, coils start off (wire offsets throughout).
"""
import asyncio
import logging
import sys

from pymodbus.bit_write_message import WriteMultipleCoilsRequest, WriteSingleCoilRequest
from pymodbus.datastore import (ModbusSequentialDataBlock, ModbusServerContext,
                                ModbusSlaveContext)
from pymodbus.framer.rtu_framer import ModbusRtuFramer
from pymodbus.framer.socket_framer import ModbusSocketFramer
from pymodbus.register_read_message import ReadHoldingRegistersRequest
from pymodbus.register_write_message import (WriteMultipleRegistersRequest,
                                             WriteSingleRegisterRequest)
from pymodbus.server.async_io import ModbusSerialServer, ModbusTcpServer

SIZE = 1000
ILLEGAL_FUNCTION_AT = 900   # holding read here answers exception 1
FAILURE_AT = 901            # holding read here answers exception 4
BUSY_STORED_AT = 800        # writes here are stored, then answered "device busy"
BUSY_LOST_AT = 810          # writes here are dropped and answered "device busy"


def script_exceptions():
    read_holding = ReadHoldingRegistersRequest.execute

    def scripted_read(self, context):
        if self.address == ILLEGAL_FUNCTION_AT:
            return self.doException(1)
        if self.address == FAILURE_AT:
            return self.doException(4)
        return read_holding(self, context)

    ReadHoldingRegistersRequest.execute = scripted_read

    for cls in (WriteSingleRegisterRequest, WriteMultipleRegistersRequest,
                WriteSingleCoilRequest, WriteMultipleCoilsRequest):
        def make(original):
            def scripted_write(self, context):
                if BUSY_LOST_AT <= self.address < BUSY_LOST_AT + 8:
                    return self.doException(6)
                if BUSY_STORED_AT <= self.address < BUSY_STORED_AT + 8:
                    original(self, context)
                    return self.doException(6)
                return original(self, context)
            return scripted_write
        cls.execute = make(cls.execute)


def context(holding=SIZE):
    def unit():
        return ModbusSlaveContext(
            di=ModbusSequentialDataBlock(0, [i % 2 for i in range(SIZE)]),
            co=ModbusSequentialDataBlock(0, [0] * SIZE),
            hr=ModbusSequentialDataBlock(0, [(3 * i + 1) & 0xFFFF for i in range(holding)]),
            ir=ModbusSequentialDataBlock(0, [1000 + i for i in range(SIZE)]),
            zero_mode=True)
    return ModbusServerContext(slaves={1: unit(), 2: unit()}, single=False)


async def main():
    # Every closed connection is logged as an error by this pymodbus version: keep it quiet.
    logging.getLogger("pymodbus").setLevel(logging.CRITICAL)
    script_exceptions()
    if sys.argv[1] == "rtu":
        holding = int(sys.argv[3]) if len(sys.argv) > 3 else SIZE
        server = ModbusSerialServer(context(holding), ModbusRtuFramer, port=sys.argv[2],
                                    baudrate=115200, ignore_missing_slaves=True,
                                    auto_reconnect=True, reconnect_delay=0.2)
        await server.start()
    else:
        holding = int(sys.argv[4]) if len(sys.argv) > 4 else SIZE
        server = ModbusTcpServer(context(holding), ModbusSocketFramer,
                                 address=(sys.argv[2], int(sys.argv[3])),
                                 ignore_missing_slaves=True, allow_reuse_address=True)
    task = asyncio.create_task(server.serve_forever())
    if sys.argv[1] == "tcp":
        await server.serving
    print("READY", flush=True)
    await task


if __name__ == "__main__":
    asyncio.run(main())
